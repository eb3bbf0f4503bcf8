#include "productionservices.h"

#include "platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
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

// The toolkit's dialogs belong to the top-level window: a style sheet of the
// oracle window they are opened from would reach them too. Modal, they are
// still centred over it.
QWidget *dialogParent(QWidget *parent)
{
    return parent ? parent->window() : nullptr;
}

// Qt's own dialog reads a name with double quotes as a list of names and
// would save under one of them, not the name typed: such a name is refused.
class SaveDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (name && name->text().contains(u'"')) {
            QMessageBox box(QMessageBox::Critical, ApplicationTitle,
                            QCoreApplication::translate("FileDialog", "A file name cannot contain double quotes (\"). "
                                                                      "Please type the name without them."),
                            QMessageBox::Ok, this);
            box.exec();
            return;
        }
        QFileDialog::accept();
    }
};
}

void DialogMessages::inform(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), ApplicationTitle, text, QMessageBox::Ok, dialogParent(parent));
    box.exec();
}

bool DialogMessages::ask(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), ApplicationTitle, text, QMessageBox::Yes | QMessageBox::No, dialogParent(parent));
    // Some desktops put No first, and Enter would decline.
    box.setDefaultButton(QMessageBox::Yes);
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

QString DialogFileChooser::startFolder() const
{
    if (!m_lastFolder.isEmpty() && QDir(m_lastFolder).exists())
        return m_lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists())
        return documents;
    return QDir::homePath();
}

void DialogFileChooser::remember(const QString &file)
{
    m_lastFolder = QFileInfo(file).absolutePath();
}

QString DialogFileChooser::openFileName(QWidget *parent, const QString &caption, const QString &filter,
                                        const QString &defaultSuffix)
{
    QFileDialog dialog(dialogParent(parent), caption, startFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString file = dialog.selectedFiles().value(0);
    remember(file);
    return file;
}

QString DialogFileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &suggestedName,
                                        const QStringList &filters, QString *chosenFilter)
{
    SaveDialog dialog(dialogParent(parent), caption, QDir(startFolder()).filePath(suggestedName));
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
    const QString file = dialog.selectedFiles().value(0);
    remember(file);
    return file;
}

bool DialogPrinters::choose(QWidget *parent, QPrinter &printer, const QString &suggestedName)
{
    Platform::offerPrintFile(printer, QDir(m_files.startFolder()).filePath(suggestedName));
    QPrintDialog dialog(&printer, dialogParent(parent));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        m_files.remember(printer.outputFileName());
    return true;
}
