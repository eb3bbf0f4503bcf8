#pragma once
#include "oraclewindow.h"

#include <array>
#include <memory>

namespace Ui {
class frmGoodLuckSymbolOracleMain;
}
class QCheckBox;

// The selection: seven cultures to tick, and the command that finds one
// symbol for each ticked culture.
class frmGoodLuckSymbolOracleMain : public OracleWindow {
    Q_OBJECT
public:
    explicit frmGoodLuckSymbolOracleMain(OracleHost &host);
    ~frmGoodLuckSymbolOracleMain() override;

private slots:
    void cmdNext_Click();

private:
    std::unique_ptr<Ui::frmGoodLuckSymbolOracleMain> ui;
    std::array<QCheckBox *, 7> chkGoodLuck{};
};
