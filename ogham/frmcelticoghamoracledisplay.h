#pragma once
#include "modoghamoracle.h"
#include "oraclewindow.h"

#include <QDateTime>
#include <memory>

namespace Ui {
class frmCelticOghamOracleDisplay;
}

// The reading: three panels, "The Past", "The Future" and "The Present" from
// left to right, each showing one tree.
class frmCelticOghamOracleDisplay : public OracleWindow {
    Q_OBJECT
public:
    explicit frmCelticOghamOracleDisplay(OracleHost &host);
    ~frmCelticOghamOracleDisplay() override;

    // Writes the three trees into the panels; overwrites every field and shows
    // nothing. The question, if any, goes with the reading when it is copied.
    void FillOghamReading(const OghamReading &reading, const QString &question = {});

protected:
    void retranslate() override;

private slots:
    void cmdBack_Click();

private:
    void setHeadings();
    void renderReading();

    std::unique_ptr<Ui::frmCelticOghamOracleDisplay> ui;
    OghamReading m_reading; // the trees on show; none before the first
    QString m_question;
    QDateTime m_when; // when the reading was made, whatever language it is told in later
};
