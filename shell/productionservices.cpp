#include "productionservices.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <algorithm>

int itemNumber(double r, int n)
{
    // Rounding can carry r * n + 1 to n + 1 for r just below 1.
    return std::clamp(int(r * n + 1), 1, n);
}

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

std::unique_ptr<QSettings> UserSettings::open() const
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("augurium"), QStringLiteral("augurium"));
}

QString DialogFileChooser::openFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}
