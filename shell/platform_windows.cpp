#include "platform.h"

#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLocale>
#include <QPrinter>
#include <QStandardPaths>

QString Platform::settingsFolder()
{
    // The roaming profile, as the settings of desktop programs go there.
    return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("/augurium");
}

QString Platform::lockFolder()
{
    // %LOCALAPPDATA%: per user, and only its owner may write there.
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString folder = local + QStringLiteral("/augurium");
    if (local.isEmpty() || !QDir().mkpath(folder))
        return {};
    return folder;
}

QString Platform::interfaceFontFamily()
{
    if (QFontDatabase::hasFamily(QStringLiteral("Verdana")))
        return QStringLiteral("Verdana");
    // The installer brings DejaVu Sans for systems without Verdana.
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString &file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
    return QStringLiteral("DejaVu Sans");
}

QStringList Platform::hanFamilies(const QString &language)
{
    // The system's own interface fonts first; Noto where someone installed it.
    if (language == QLatin1String("ja"))
        return {QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"), QStringLiteral("MS UI Gothic"),
                QStringLiteral("Noto Sans CJK JP")};
    if (language == QLatin1String("zh_CN"))
        return {QStringLiteral("Microsoft YaHei UI"), QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC")};
    return {};
}

void Platform::offerPrintFile(QPrinter &, const QString &)
{
    // The system's print dialog asks for the file itself; a file name set
    // beforehand would tick its "Print to file" box and send every print there.
}

QString Platform::desktopLanguage(const QStringList &available)
{
    return Language::match(QLocale::system().uiLanguages(), available);
}
