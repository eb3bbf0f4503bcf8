#pragma once
// Test doubles for the services: scripted random values and clock, recorded
// message boxes and web addresses, settings in a throw-away folder.
#include "services.h"

#include <QList>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <deque>
#include <functional>

class ScriptedRandom final : public RandomSource {
public:
    std::deque<double> values; // served in order; then an even spread
    int drawn = 0;
    void seed(quint64) override { }
    double next() override
    {
        ++drawn;
        if (values.empty())
            return std::fmod(drawn * 0.6180339887, 1.0);
        const double r = values.front();
        values.pop_front();
        return r;
    }
};

// The time of day stands still; the monotonic clock leaps `step` at every
// reading, so a pause ends after its first look at the clock.
class FixedClock final : public Clock {
public:
    QDateTime time = QDateTime(QDate(2026, 12, 9), QTime(10, 30));
    qint64 step = 60'000;
    mutable qint64 monotonic = 0;
    QDateTime now() const override { return time; }
    qint64 monotonicMsecs() const override { return monotonic += step; }
};

class RecordedMessages final : public Messages {
public:
    struct Shown {
        QString text;
        Icon icon;
        bool question;
    };
    QList<Shown> shown;
    bool answer = false;               // the answer to every question
    std::function<void()> whileAsking; // what happens while a question waits
    void inform(QWidget *, const QString &text, Icon icon) override { shown.append({text, icon, false}); }
    bool ask(QWidget *, const QString &text, Icon icon) override
    {
        shown.append({text, icon, true});
        if (whileAsking)
            whileAsking();
        return answer;
    }
};

class RecordedUrls final : public UrlOpener {
public:
    QStringList opened;
    void open(const QUrl &url) override { opened.append(url.toString()); }
};

class TemporarySettings final : public SettingsLocation {
public:
    QTemporaryDir dir;
    QString filePath() const override { return dir.filePath(QStringLiteral("augurium/augurium.conf")); }
};

class ScriptedFiles final : public FileChooser {
public:
    QString chosen;
    QString defaultSuffix; // as the last dialog was asked for
    QString openFileName(QWidget *, const QString &, const QString &, const QString &suffix) override
    {
        defaultSuffix = suffix;
        return chosen;
    }
    // Save dialogs: what the user leaves typed and selected.
    QString saved;
    QString savedFilter;
    QString suggestedName; // as the last save dialog was asked for
    QStringList filters;
    QString saveFileName(QWidget *, const QString &, const QString &suggested, const QStringList &offered,
                         QString *chosenFilter) override
    {
        suggestedName = suggested;
        filters = offered;
        *chosenFilter = savedFilter.isEmpty() ? offered.value(0) : savedFilter;
        return saved;
    }
};

// The print dialog: the user prints to a PDF file, or cancels when `pdf` is empty.
class PdfPrinters final : public Printers {
public:
    QString pdf;
    QString suggestedName; // as the last dialog was asked for
    bool choose(QWidget *, QPrinter &printer, const QString &suggested) override
    {
        suggestedName = suggested;
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
};

struct TestServices {
    ScriptedRandom random;
    FixedClock clock;
    RecordedMessages messages;
    RecordedUrls urls;
    TemporarySettings settings;
    ScriptedFiles files;
    PdfPrinters printers;
    Services services() { return {random, clock, messages, urls, settings, files, printers}; }
};
