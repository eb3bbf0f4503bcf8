#pragma once
#include "oraclewindow.h"

#include <QRect>
#include <array>
#include <memory>

namespace Ui {
class frmGoodLuckSymbolOracleMain;
}
class QAction;
class CultureCheckBox;

// The selection: seven cultures to tick, and the command that finds one
// symbol for each ticked culture.
class frmGoodLuckSymbolOracleMain : public OracleWindow {
    Q_OBJECT
public:
    explicit frmGoodLuckSymbolOracleMain(OracleHost &host);
    ~frmGoodLuckSymbolOracleMain() override;

protected:
    void retranslate() override;

private slots:
    void cmdNext_Click();

private:
    void setCodeTexts();
    void fitIntroduction();

    std::unique_ptr<Ui::frmGoodLuckSymbolOracleMain> ui;
    std::array<CultureCheckBox *, 7> chkGoodLuck{};
    QRect m_introduction; // as designed
};
