#pragma once
// What the windows need from the outside world, behind small interfaces so
// tests can control it. main.cpp builds the production set; tests build doubles.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

class QPrinter;
class QWidget;

// Uniform values r with 0 <= r < 1, one sequence per run.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(quint64 value) = 0;
    virtual double next() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The date and time of day, as the user's calendar shows it.
    virtual QDateTime now() const = 0;
    // Milliseconds from an arbitrary origin, never going back: for waits that
    // must end whatever happens to the time of day.
    virtual qint64 monotonicMsecs() const = 0;
};

// Modal message boxes titled "Augurium".
class Messages {
public:
    enum class Icon { Information, Critical };
    virtual ~Messages() = default;
    virtual void inform(QWidget *parent, const QString &text, Icon icon) = 0;
    // Yes and No buttons; true for Yes.
    virtual bool ask(QWidget *parent, const QString &text, Icon icon) = 0;
};

// Hands a web address to the desktop's browser without waiting for it.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl &url) = 0;
};

// Where the per-user settings file lives.
class SettingsLocation {
public:
    virtual ~SettingsLocation() = default;
    virtual QString filePath() const = 0;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // An existing file's path, or empty when the user cancels. A name typed
    // without an extension takes `defaultSuffix`.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    // A path to write to, or empty when the user cancels. The dialog starts
    // on `suggestedName` with the first of `filters`; `chosenFilter` receives
    // the filter the user left selected.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedName,
                                 const QStringList &filters, QString *chosenFilter) = 0;
};

// The desktop's print dialog.
class Printers {
public:
    virtual ~Printers() = default;
    // Lets the user choose and set up `printer`; false when the user cancels.
    // Print to File offers `suggestedName`.
    virtual bool choose(QWidget *parent, QPrinter &printer, const QString &suggestedName) = 0;
};

// The set every window receives.
struct Services {
    RandomSource &random;
    Clock &clock;
    Messages &messages;
    UrlOpener &urls;
    SettingsLocation &settings;
    FileChooser &files;
    Printers &printers;
};

inline const QString ApplicationTitle = QStringLiteral("Augurium");
