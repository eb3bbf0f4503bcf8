#pragma once
#include "oraclewindow.h"

#include <memory>

namespace Ui {
class frmMahjongOracleMain;
}

// The start: a welcome, a line of advice and a picture of tiles; a click makes
// the user wait three seconds, then draws a tile.
class frmMahjongOracleMain : public OracleWindow {
    Q_OBJECT
public:
    explicit frmMahjongOracleMain(OracleHost &host);
    ~frmMahjongOracleMain() override;

private slots:
    void cmdFindMajong_Click();

private:
    void readyForAnotherReading() override;
    void retranslate() override;
    void nameThePicture();

    std::unique_ptr<Ui::frmMahjongOracleMain> ui;
};
