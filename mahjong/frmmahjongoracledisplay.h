#pragma once
#include "oraclewindow.h"

#include <QDateTime>
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

    // Shows the tile of the draw's row; its names, reading and attributes
    // come from the table, in the language in use.
    void showTile(const MahjongDraw &tile);

private slots:
    void cmdOK_Click();

private:
    void retranslate() override;
    void headPanels();
    void showRow();

    std::unique_ptr<Ui::frmMahjongOracleDisplay> ui;
    // The row on show (0 for none) and when it was drawn: told again, not
    // drawn again, when the language changes.
    int m_row = 0;
    QDateTime m_drawnAt;
};
