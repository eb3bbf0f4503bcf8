#pragma once
#include "oraclewindow.h"

#include <memory>

namespace Ui {
class frmMysticColorOracleMain;
}
class QLineEdit;

// The one window of the Mystical Color oracle: the input panel with the two
// names, and in the same place the result panel with the lucky colour; below,
// the birth day that a saved Tallymere reading fills.
class frmMysticColorOracleMain : public OracleWindow {
    Q_OBJECT
public:
    explicit frmMysticColorOracleMain(OracleHost &host);
    ~frmMysticColorOracleMain() override;

private slots:
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdOpen_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool ValidateNames();
    void showPanel(QWidget *panel);
    // Letters A to Z and Backspace only; false when the key is refused.
    bool txtName_KeyPress(QLineEdit *field, const QString &typed);

    std::unique_ptr<Ui::frmMysticColorOracleMain> ui;
};
