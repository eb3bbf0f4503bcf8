#pragma once
#include "oraclewindow.h"

#include <QDateTime>
#include <memory>
#include <optional>
#include <utility>

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

    // Shows the domino of the draw's halves; its number and reading come
    // from the table, in the language in use.
    void showDomino(const DominoDraw &domino);

private slots:
    void cmdOK_Click();

private:
    void retranslate() override;
    void showHalves();

    std::unique_ptr<Ui::frmDominoOracleDisplay> ui;
    // The halves on show and when they were drawn: told again, not drawn
    // again, when the language changes.
    std::optional<std::pair<int, int>> m_halves;
    QDateTime m_drawnAt;
};
