// reading-benchmark [RUNS]: times the readings in the real windows and prints
// the medians: Domino and Mahjong from the end of the pause to the painted
// result window, Good Luck Symbol with all seven cultures ticked from Find,
// Mystical Color from Ask to the painted result panel. The pause is made
// zero-length through the clock.
#include "frmmdi.h"
#include "look.h"
#include "oracles.h"
#include "oraclewindow.h"
#include "paintwatch.h"
#include "productionservices.h"
#include "throwawaysettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
// Every reading of the clock lies a minute after the last: pauses end at once.
class LeapingClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMsecs() const override { return m_msecs += 60'000; }

private:
    mutable qint64 m_msecs = 0;
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 31;
    ProductionServices production;
    LeapingClock clock;
    ThrowAwaySettings settings;
    Services services{production.random,  clock, production.messages, production.urls, settings, production.files,
                      production.printers};
    production.random.seed(7);
    frmMDI main(services, AuguriumOracles());
    main.showMaximized();
    struct Reading {
        const char *oracle;
        OracleId id;
        const char *start, *click, *result, *back;
        std::function<void(OracleWindow *)> prepare = [](OracleWindow *) {};
    };
    const auto tickEveryBox = [](OracleWindow *start) {
        for (QCheckBox *box : start->findChildren<QCheckBox *>())
            box->setChecked(true);
    };
    const auto typeNames = [](OracleWindow *start) {
        start->findChild<QLineEdit *>(QStringLiteral("txtNameFirst"))->setText(QStringLiteral("Anna"));
        start->findChild<QLineEdit *>(QStringLiteral("txtNameLast"))->setText(QStringLiteral("Smith"));
    };
    const Reading readings[] = {
        {"Domino", Domino, "frmDominoOracleMain", "picProceed_Click", "frmDominoOracleDisplay", "cmdOK_Click"},
        {"Mahjong", Mahjong, "frmMahjongOracleMain", "cmdFindMajong_Click", "frmMahjongOracleDisplay", "cmdOK_Click"},
        {"Good Luck Symbol (all seven)", GoodLuck, "frmGoodLuckSymbolOracleMain", "cmdNext_Click",
         "frmGoodLuckSymbolOracleDisplay", "cmdOK_Click", tickEveryBox},
        {"Mystical Color", MysticalColor, "frmMysticColorOracleMain", "cmdNext_Click", "Frame2", "cmdBack_Click",
         typeNames},
    };
    for (const Reading &reading : readings) {
        main.LaunchOracle(reading.id);
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            OracleWindow *start = main.findOracleWindow(QLatin1String(reading.start));
            reading.prepare(start);
            PaintWatch watch(reading.result);
            QElapsedTimer timer;
            timer.start();
            QMetaObject::invokeMethod(start, reading.click);
            watch.waitForPaint();
            times.push_back(timer.nsecsElapsed() / 1e6);
            // Back is the result window's, or for the one-window oracle the start window's.
            OracleWindow *result = main.findOracleWindow(QLatin1String(reading.result));
            QMetaObject::invokeMethod(result ? result : start, reading.back);
            QCoreApplication::processEvents();
        }
        std::sort(times.begin(), times.end());
        std::printf("%s reading, median of %d: %.1f ms to the painted result "
                    "(fastest %.1f ms, slowest %.1f ms)\n",
                    reading.oracle, runs, times[times.size() / 2], times.front(), times.back());
    }
    return 0;
}
