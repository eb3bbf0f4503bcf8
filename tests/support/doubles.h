#pragma once
// Test doubles for the services: scripted random values and clock, recorded
// message boxes and web addresses, settings in a throw-away folder.
#include "services.h"

#include <QList>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <deque>

class ScriptedRandom final : public RandomSource {
public:
    std::deque<double> values; // served in order; then an even spread
    int drawn = 0;
    void seed(quint64) override {}
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

class FixedClock final : public Clock {
public:
    QDateTime time = QDateTime(QDate(2026, 12, 9), QTime(10, 30));
    QDateTime now() const override { return time; }
};

class RecordedMessages final : public Messages {
public:
    struct Shown {
        QString text;
        Icon icon;
        bool question;
    };
    QList<Shown> shown;
    bool answer = false; // the answer to every question
    void inform(QWidget *, const QString &text, Icon icon) override { shown.append({text, icon, false}); }
    bool ask(QWidget *, const QString &text, Icon icon) override
    {
        shown.append({text, icon, true});
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
    QString path() const { return dir.filePath(QStringLiteral("augurium.conf")); }
    std::unique_ptr<QSettings> open() const override
    {
        return std::make_unique<QSettings>(path(), QSettings::IniFormat);
    }
};

class ScriptedFiles final : public FileChooser {
public:
    QString chosen;
    QString openFileName(QWidget *, const QString &, const QString &) override { return chosen; }
};

struct TestServices {
    ScriptedRandom random;
    FixedClock clock;
    RecordedMessages messages;
    RecordedUrls urls;
    TemporarySettings settings;
    ScriptedFiles files;
    Services services() { return {random, clock, messages, urls, settings, files}; }
};
