#pragma once
#include "oraclewindow.h"

#include <memory>

namespace Ui {
class frmDominoOracleDisplay;
}
struct DominoDraw;

// The domino drawn: its two halves side by side, its number and its reading.
class frmDominoOracleDisplay : public OracleWindow {
    Q_OBJECT
public:
    explicit frmDominoOracleDisplay(OracleHost &host);
    ~frmDominoOracleDisplay() override;

    void showDomino(const DominoDraw &domino);

private slots:
    void cmdOK_Click();

private:
    std::unique_ptr<Ui::frmDominoOracleDisplay> ui;
};
