// startup-benchmark [RUNS]: starts the bare toolkit program and Augurium's
// start-up alternately, times each from launch to its first painted main
// window, and prints the medians and their ratio; Augurium in English and in
// German, whose catalogue and texts are loaded at start-up. `tools/dev bench` runs it
// under Xvfb with a window manager when no display is at hand.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double timeToFirstPaint(const QString &program, const QProcessEnvironment &environment,
                        const QStringList &arguments = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    while (process.waitForReadyRead(10000))
        if (process.readAll().contains("painted"))
            break;
    const double ms = timer.nsecsElapsed() / 1e6;
    process.waitForFinished(5000);
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const QString dir = QCoreApplication::applicationDirPath();
    // A runtime folder of their own: a running Augurium holds the usual one.
    const QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    QProcessEnvironment german = environment;
    german.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    const QString barePath = dir + QStringLiteral("/bench-bare");
    const QString auguriumPath = dir + QStringLiteral("/bench-augurium");
    std::vector<double> bare, bareText, augurium, auguriumGerman;
    timeToFirstPaint(barePath, environment); // warm the file cache
    timeToFirstPaint(auguriumPath, environment);
    for (int i = 0; i < runs; ++i) {
        bare.push_back(timeToFirstPaint(barePath, environment));
        bareText.push_back(timeToFirstPaint(barePath, environment, {QStringLiteral("--text")}));
        augurium.push_back(timeToFirstPaint(auguriumPath, environment));
        auguriumGerman.push_back(timeToFirstPaint(auguriumPath, german));
    }
    std::printf("first paint, median of %d: bare %.1f ms, Augurium %.1f ms, ratio %.2f\n", runs, median(bare),
                median(augurium), median(augurium) / median(bare));
    std::printf("  against a bare window with one line of text (%.1f ms): ratio %.2f\n", median(bareText),
                median(augurium) / median(bareText));
    std::printf("  in German: %.1f ms, ratio %.2f to the window with text, %.2f to English\n", median(auguriumGerman),
                median(auguriumGerman) / median(bareText), median(auguriumGerman) / median(augurium));
    return 0;
}
