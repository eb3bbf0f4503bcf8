// library-benchmark [RUNS]: times the Oracle Library in the real main window
// and prints the medians: from the request (Ctrl+L) to its first paint, the
// first time (its tables read and folded) and again after closing it; and
// from a keystroke in its search field to the filtered list painted.
#include "frmmdi.h"
#include "look.h"
#include "oracles.h"
#include "oraclewindow.h"
#include "paintwatch.h"
#include "productionservices.h"
#include "throwawaysettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr char Library[] = "frmOracleLibrary";

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void type(QWidget *field, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 31;
    ProductionServices production;
    ThrowAwaySettings settings;
    Services services{production.random, production.clock, production.messages, production.urls,
                      settings,          production.files, production.printers};
    frmMDI main(services, AuguriumOracles());
    main.showMaximized();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);

    std::vector<double> opening;
    for (int i = 0; i < runs; ++i) {
        PaintWatch watch(Library);
        QElapsedTimer timer;
        timer.start();
        main.openLibrary();
        watch.waitForPaint();
        opening.push_back(timer.nsecsElapsed() / 1e6);
        if (i + 1 < runs) {
            main.findOracleWindow(QLatin1String(Library))->closeWindow();
            QCoreApplication::processEvents();
        }
    }
    const std::vector<double> again(opening.begin() + 1, opening.end());
    std::printf("Oracle Library, to its first paint: %.1f ms the first time, median of %d more %.1f ms\n",
                opening.front(), int(again.size()), again.empty() ? opening.front() : median(again));

    // Each word typed letter by letter, then rubbed out: every keystroke
    // filters all 162 pieces.
    auto *search = main.findOracleWindow(QLatin1String(Library))->findChild<QLineEdit *>(QStringLiteral("txtSearch"));
    const QStringList words{QStringLiteral("oak"), QStringLiteral("jurojin"), QStringLiteral("chu"),
                            QStringLiteral("bamboo"), QStringLiteral("zzq")};
    std::vector<double> filtering;
    std::vector<double> painting;
    for (int i = 0; i < runs; ++i)
        for (const QString &word : words)
            for (qsizetype k = 0; k < 2 * word.size(); ++k) {
                const bool rubOut = k >= word.size();
                PaintWatch watch(Library);
                QElapsedTimer timer;
                timer.start();
                if (rubOut)
                    type(search, Qt::Key_Backspace, QString());
                else
                    type(search, Qt::Key(word[k].toUpper().unicode()), word.mid(k, 1));
                filtering.push_back(timer.nsecsElapsed() / 1e6);
                watch.waitForPaint();
                painting.push_back(timer.nsecsElapsed() / 1e6);
            }
    std::sort(painting.begin(), painting.end());
    std::printf("Oracle Library search, median of %d keystrokes: %.2f ms to filter, %.1f ms to the painted list "
                "(95th percentile %.1f ms, slowest %.1f ms)\n",
                int(filtering.size()), median(filtering), median(painting), painting[painting.size() * 95 / 100],
                painting.back());
    return 0;
}
