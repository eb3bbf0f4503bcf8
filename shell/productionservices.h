#pragma once
// The real implementations of the services, as the installed program uses them.
#include "services.h"

#include <random>

class SystemRandom final : public RandomSource {
public:
    void seed(quint64 value) override;
    double next() override;

private:
    std::mt19937_64 m_engine;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
    qint64 monotonicMsecs() const override;
};

class DialogMessages final : public Messages {
public:
    void inform(QWidget *parent, const QString &text, Icon icon) override;
    bool ask(QWidget *parent, const QString &text, Icon icon) override;
};

class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const QUrl &url) override;
};

// augurium.conf in the platform's settings folder.
class UserSettings final : public SettingsLocation {
public:
    QString filePath() const override;
};

// The dialogs start in the folder of the file last chosen in this run, else
// in the user's Documents, else at home: never in the program's own folder.
class DialogFileChooser final : public FileChooser {
public:
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &defaultSuffix) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedName,
                         const QStringList &filters, QString *chosenFilter) override;

    QString startFolder() const;
    // The next dialog starts in the folder of `file`.
    void remember(const QString &file);

private:
    QString m_lastFolder;
};

// Print to File offers its file in the folder the file dialogs start in.
class DialogPrinters final : public Printers {
public:
    explicit DialogPrinters(DialogFileChooser &files)
        : m_files(files)
    {
    }
    bool choose(QWidget *parent, QPrinter &printer, const QString &suggestedName) override;

private:
    DialogFileChooser &m_files;
};

// Owns one of each and lends them out as Services.
struct ProductionServices {
    SystemRandom random;
    SystemClock clock;
    DialogMessages messages;
    DesktopUrlOpener urls;
    UserSettings settings;
    DialogFileChooser files;
    DialogPrinters printers{files};
    Services services() { return {random, clock, messages, urls, settings, files, printers}; }
};
