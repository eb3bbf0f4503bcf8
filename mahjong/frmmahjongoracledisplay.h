#pragma once
#include "oraclewindow.h"

#include <memory>

namespace Ui {
class frmMahjongOracleDisplay;
}
struct MahjongDraw;

// The tile drawn: its picture, names and reading, and for a wind, flower or
// season tile the panel of its attributes.
class frmMahjongOracleDisplay : public OracleWindow {
    Q_OBJECT
public:
    explicit frmMahjongOracleDisplay(OracleHost &host);
    ~frmMahjongOracleDisplay() override;

    void showTile(const MahjongDraw &tile);

private slots:
    void cmdOK_Click();

private:
    std::unique_ptr<Ui::frmMahjongOracleDisplay> ui;
};
