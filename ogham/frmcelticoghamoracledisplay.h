#pragma once
#include "oraclewindow.h"

#include <memory>

namespace Ui {
class frmCelticOghamOracleDisplay;
}
struct OghamReading;

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

private slots:
    void cmdBack_Click();

private:
    std::unique_ptr<Ui::frmCelticOghamOracleDisplay> ui;
};
