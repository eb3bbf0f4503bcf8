#include "readingcommands.h"

#include "language.h"
#include "readingoutput.h"
#include "screenreader.h"
#include "services.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextEdit>
#include <QWidget>

namespace {
struct SaveFormat {
    ReadingFormat format;
    const char *suffix;
    const char *filter;
};
constexpr SaveFormat SaveFormats[] = {
    {ReadingFormat::Png, "png", QT_TRANSLATE_NOOP("ReadingCommands", "PNG picture (*.png)")},
    {ReadingFormat::Pdf, "pdf", QT_TRANSLATE_NOOP("ReadingCommands", "PDF document (*.pdf)")},
    {ReadingFormat::Text, "txt", QT_TRANSLATE_NOOP("ReadingCommands", "Plain text (*.txt)")},
};

bool hasSelection(const QObject *field)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(field))
        return line->hasSelectedText();
    if (const auto *text = qobject_cast<const QTextEdit *>(field))
        return text->textCursor().hasSelection();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(field))
        return plain->textCursor().hasSelection();
    if (const auto *box = qobject_cast<const QComboBox *>(field))
        return box->lineEdit() && box->lineEdit()->hasSelectedText();
    return false;
}
}

ReadingCommands::ReadingCommands(QWidget *window, Services &services)
    : QObject(window)
    , m_window(window)
    , m_services(services)
{
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    QAction *copy = command("mnuCopyReading", QKeySequence::Copy, &ReadingCommands::copyReading);
    QAction *save = command("mnuSaveReading", QKeySequence::Save, &ReadingCommands::saveReading);
    QAction *print = command("mnuPrintReading", QKeySequence::Print, &ReadingCommands::printReading);
    m_items = {separator, copy, save, print};
    Language::whenLanguageChanges(window, [=] {
        copy->setText(tr("&Copy Reading"));
        save->setText(tr("&Save Reading As\u2026"));
        print->setText(tr("&Print Reading\u2026"));
    });
    setReading(std::nullopt);
    // A text field keeps Ctrl+C for its selection; without one the key
    // copies the reading. A box one can type in hands the key to its field
    // unseen, so it is asked itself.
    for (QWidget *field : window->findChildren<QWidget *>())
        if (qobject_cast<QLineEdit *>(field) || qobject_cast<QTextEdit *>(field)
            || qobject_cast<QPlainTextEdit *>(field) || qobject_cast<QComboBox *>(field))
            field->installEventFilter(this);
}

QAction *ReadingCommands::command(const char *name, QKeySequence::StandardKey key, void (ReadingCommands::*run)())
{
    auto *action = new QAction(this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, run);
    return action;
}

void ReadingCommands::setReading(std::optional<ReadingDescription> reading)
{
    m_reading = std::move(reading);
    for (QAction *item : m_items)
        item->setEnabled(m_reading.has_value());
}

bool ReadingCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)
        || !m_reading)
        return false;
    // Accepted, the key goes to the field, which copies its selection;
    // ignored, it goes to Copy Reading.
    event->setAccepted(hasSelection(watched));
    return true;
}

void ReadingCommands::copyReading()
{
    if (!m_reading)
        return;
    const qreal scale = std::max<qreal>(m_window->devicePixelRatioF(), 2);
    QGuiApplication::clipboard()->setMimeData(readingMimeData(*m_reading, scale));
    announce(m_window, tr("Reading copied"));
}

void ReadingCommands::saveReading()
{
    if (!m_reading)
        return;
    QStringList filters;
    for (const SaveFormat &format : SaveFormats)
        filters << tr(format.filter);
    QString filter;
    const QString path =
        m_services.files.saveFileName(m_window, tr("Save Reading As"),
                                      suggestedReadingFileName(*m_reading, ReadingFormat::Png), filters, &filter);
    if (path.isEmpty())
        return; // cancelled
    // The file written is the one the dialog confirmed, its name untouched:
    // its extension chooses the format, or without one the selected filter.
    const QString typed = QFileInfo(path).suffix();
    const SaveFormat *chosen = typed.isEmpty() ? &SaveFormats[std::max<qsizetype>(0, filters.indexOf(filter))] : nullptr;
    for (const SaveFormat &format : SaveFormats)
        if (!typed.isEmpty() && typed.compare(QLatin1String(format.suffix), Qt::CaseInsensitive) == 0)
            chosen = &format;
    const QByteArray picture = typed.toLower().toLatin1();
    QString error;
    bool saved = false;
    if (chosen)
        saved = writeReading(*m_reading, path, chosen->format, &error);
    else if (QImageWriter::supportedImageFormats().contains(picture))
        saved = writeReadingPicture(*m_reading, path, picture, &error);
    else
        error = tr("\u201c.%1\u201d is not one of the kinds offered (a picture such as .png or .jpg, "
                   "a PDF document or plain text)")
                    .arg(typed);
    if (!saved)
        m_services.messages.inform(m_window,
                                   tr("The reading could not be saved as \u201c%1\u201d: %2.")
                                       .arg(QDir::toNativeSeparators(path), error),
                                   Messages::Icon::Critical);
}

void ReadingCommands::printReading()
{
    if (!m_reading)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_reading->title());
    if (!m_services.printers.choose(m_window, printer, suggestedReadingFileName(*m_reading, ReadingFormat::Pdf)))
        return; // cancelled
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // Print to File goes through the writer a save uses, not the
        // printer's own, so a failed write keeps an old file whole.
        QString error;
        if (!writeReadingPdf(*m_reading, printer.outputFileName(), printer.pageLayout(), &error))
            m_services.messages.inform(m_window,
                                       tr("The reading could not be printed to \u201c%1\u201d: %2.")
                                           .arg(QDir::toNativeSeparators(printer.outputFileName()), error),
                                       Messages::Icon::Critical);
        return;
    }
    if (!paintReadingPage(*m_reading, printer))
        m_services.messages.inform(m_window, tr("The reading could not be printed."),
                                   Messages::Icon::Critical);
}
