#pragma once
#include "oraclewindow.h"

#include <QDateTime>
#include <array>
#include <memory>

namespace Ui {
class frmGoodLuckSymbolOracleDisplay;
}
class CultureButton;
class GoodLuckPanel;

// The reading: one panel per culture, the last drawn in front, and a column
// of culture buttons, those of the drawn cultures enabled, to bring each to
// the front.
class frmGoodLuckSymbolOracleDisplay : public OracleWindow {
    Q_OBJECT
public:
    explicit frmGoodLuckSymbolOracleDisplay(OracleHost &host);
    ~frmGoodLuckSymbolOracleDisplay() override;

    // Shows symbol `number` in the culture's panel, brings it to the front
    // and enables its button.
    void showSymbol(int culture, int number);

protected:
    QString spokenText(const ReadingDescription &reading) const override;
    void retranslate() override;

private slots:
    void cmdGoodLuck_Click(int index);
    void cmdOK_Click();

private:
    void setCultureTexts();
    void renderSymbol(int culture);
    void bringToFront(int culture);
    ReadingDescription describeReading() const;
    // The symbol of a culture as a screen reader says it.
    QString spokenSymbol(int culture) const;

    std::unique_ptr<Ui::frmGoodLuckSymbolOracleDisplay> ui;
    std::array<CultureButton *, 7> cmdGoodLuck{};
    std::array<GoodLuckPanel *, 7> m_panels{};
    std::array<int, 7> m_shown{}; // the symbol shown for each culture; 0 for none
    int m_front = -1;             // the culture whose panel is in front; none before the first draw
    QDateTime m_when;             // when the symbols were drawn, whatever language they are told in later
};
