#include "platform.h"

#include "language.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QStandardPaths>

QString Platform::settingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/augurium");
}

QString Platform::lockFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString folder = cache + QStringLiteral("/augurium");
    if (cache.isEmpty() || !QDir().mkpath(folder))
        return {};
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

QStringList Platform::hanFamilies(const QString &language)
{
    if (language == QLatin1String("ja"))
        return {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic")};
    if (language == QLatin1String("zh_CN"))
        return {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")};
    return {};
}

QString Platform::interfaceFontFamily()
{
    // Verdana is rarely installed here, and the desktop's own stand-in for
    // it has other widths: the closest match is named outright.
    return QStringLiteral("DejaVu Sans");
}

void Platform::offerPrintFile(QPrinter &printer, const QString &path)
{
    // Qt's print dialog shows the printer's file name for Print to File and
    // clears it when a printer is chosen. Named a PDF, the printer turns to
    // PDF output: it goes back to the default printer, where there is one.
    printer.setOutputFileName(path);
    printer.setOutputFormat(QPrinter::NativeFormat);
}

QString Platform::desktopLanguage(const QStringList &available)
{
    return Language::desktopLanguage([](const char *name) { return qEnvironmentVariable(name); }, available);
}
