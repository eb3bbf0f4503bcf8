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
    void retranslate() override;

private:
    bool ValidateQuestion();
    void showPrompt();
    void selectWholePrompt();
    void setCodeTexts();
    void fitInstruction();

    std::unique_ptr<Ui::frmCelticOghamOracleMain> ui;
    bool m_showsPrompt = false;  // the box holds the prompt as the window put it there
    int m_instructionHeight = 0; // as designed: one line
};
