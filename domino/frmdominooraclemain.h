#pragma once
#include "oraclewindow.h"

#include <memory>

namespace Ui {
class frmDominoOracleMain;
}

// The start: two lines of advice and a picture of dominoes; a click makes the
// user wait three seconds, then draws a domino.
class frmDominoOracleMain : public OracleWindow {
    Q_OBJECT
public:
    explicit frmDominoOracleMain(OracleHost &host);
    ~frmDominoOracleMain() override;

private slots:
    void picProceed_Click();

private:
    void readyForAnotherReading() override;
    void retranslate() override;
    void nameThePicture();

    std::unique_ptr<Ui::frmDominoOracleMain> ui;
};
