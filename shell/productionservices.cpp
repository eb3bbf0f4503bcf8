#include "productionservices.h"

#include "platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <chrono>

void SystemRandom::seed(quint64 value)
{
    m_engine.seed(value);
}

double SystemRandom::next()
{
    return double(m_engine() >> 11) * 0x1p-53; // 53 random bits: [0, 1)
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::monotonicMsecs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {
QMessageBox::Icon boxIcon(Messages::Icon icon)
{
    return icon == Messages::Icon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}
}

void DialogMessages::inform(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), ApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool DialogMessages::ask(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), ApplicationTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

void DesktopUrlOpener::open(const QUrl &url)
{
    QDesktopServices::openUrl(url); // the desktop reports its own failures
}

QString UserSettings::filePath() const
{
    return Platform::settingsFolder() + QStringLiteral("/augurium.conf");
}

QString DialogFileChooser::openFileName(QWidget *parent, const QString &caption, const QString &filter,
                                        const QString &defaultSuffix)
{
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString DialogFileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &suggestedName,
                                        const QStringList &filters, QString *chosenFilter)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(parent, caption, QDir(folder).filePath(suggestedName));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    // A name typed without an extension takes the selected filter's, before
    // the dialog asks whether to replace a file of that name.
    const auto suffixOf = [](const QString &filter) {
        return QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter).captured(1);
    };
    dialog.setDefaultSuffix(suffixOf(filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixOf](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().value(0);
}

bool DialogPrinters::choose(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
