#include "productionservices.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
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
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/augurium/augurium.conf");
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
