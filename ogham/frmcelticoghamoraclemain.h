#pragma once
#include "oraclewindow.h"

#include <memory>

namespace Ui {
class frmCelticOghamOracleMain;
}

// The question: the user types a question and clicks the tree for a reading.
class frmCelticOghamOracleMain : public OracleWindow {
    Q_OBJECT
public:
    explicit frmCelticOghamOracleMain(OracleHost &host);
    ~frmCelticOghamOracleMain() override;

private slots:
    void picMainImage_Click();
    void txtQuestion_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool ValidateQuestion();
    void selectWholePrompt();

    std::unique_ptr<Ui::frmCelticOghamOracleMain> ui;
    QString m_prompt; // the box's first text, as the box holds it
};
