#include "readingoutput.h"

#include "look.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QCoreApplication>
#include <QLocale>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>
#include <functional>

namespace {
// The page's width in screen pixels: about 180 mm, an A4 or Letter page
// within its margins.
constexpr int PageWidth = 680;
constexpr qreal PictureScale = 2; // the pieces' pictures are drawn at twice their size on screen
// The document is laid out at this resolution whatever the screen, so a
// page comes out the same on every desktop.
constexpr int LayoutDpi = 96;
// What was asked is shown in full in the text; on a picture or a page a
// pasted essay would bury the reading, so it is cut short there.
constexpr int AskedCharacters = 400;
constexpr int AskedLines = 6;
const QColor Ink(0x00, 0x00, 0x00);
const QColor Paper(0xff, 0xff, 0xff);
const QColor Quiet(0x55, 0x55, 0x55);

struct ReadingOutput {
    Q_DECLARE_TR_FUNCTIONS(ReadingOutput)
};

QString when(const ReadingDescription &reading)
{
    //: The date and time a reading was made, in QLocale::toString's format letters.
    return QLocale().toString(reading.when, ReadingOutput::tr("d MMMM yyyy, HH:mm"));
}

// "Keywords: Wisdom": a caption and its value.
QString labelled(const QString &label, const QString &value)
{
    //: A caption and its value, such as "Keywords: Wisdom".
    return ReadingOutput::tr("%1: %2").arg(label, value);
}

// The tables' texts carry trailing blanks; the windows keep them, the
// outputs do not.
QString tidy(const QString &text)
{
    static const QRegularExpression trailing(QStringLiteral("[ \\t\\r]+(?=\\n|$)"));
    QString tidied = text;
    tidied.remove(trailing);
    while (tidied.endsWith(QLatin1Char('\n')))
        tidied.chop(1);
    return tidied;
}

QString pieceTitle(const ReadingPiece &piece)
{
    if (piece.heading.isEmpty())
        return tidy(piece.name);
    return labelled(tidy(piece.heading), tidy(piece.name));
}

QString cutShort(const QString &value)
{
    qsizetype end = -1;
    for (int line = 0; line < AskedLines; ++line) {
        end = value.indexOf(QLatin1Char('\n'), end + 1);
        if (end < 0)
            break;
    }
    const qsizetype length = std::min<qsizetype>(end < 0 ? value.size() : end, AskedCharacters);
    if (length >= value.size())
        return value;
    return tidy(value.left(length)) + QChar(0x2026);
}

QString escaped(const QString &text)
{
    return tidy(text).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

// The HTML of the reading, its pictures named by `source(piece, picture)`
// and what was asked given by `asked`. The colours are the page's own: a
// dark desktop's text colour would vanish on the white page.
QString html(const ReadingDescription &reading, const std::function<QString(int, int)> &source,
             const std::function<QString(const QString &)> &asked)
{
    QString out = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                                 "<body style=\"font-family: 'DejaVu Sans', Verdana, sans-serif; font-size: 10pt; "
                                 "color: %3; background-color: %4;\">"
                                 "<h1 style=\"font-size: 16pt;\">%1</h1><p style=\"color: %5;\">%2</p>")
                      .arg(escaped(reading.title()), escaped(when(reading)), Ink.name(), Paper.name(), Quiet.name());
    for (const ReadingField &field : reading.asked)
        out += QStringLiteral("<p><b>%1:</b> %2</p>").arg(escaped(field.label), escaped(asked(field.value)));
    for (int p = 0; p < reading.pieces.size(); ++p) {
        const ReadingPiece &piece = reading.pieces[p];
        out +=
            QStringLiteral("<h2 style=\"font-size: 12pt; margin-top: 14px;\">%1</h2>").arg(escaped(pieceTitle(piece)));
        out += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>");
        if (!piece.pictures.isEmpty()) {
            out += QStringLiteral("<td valign=\"top\" style=\"padding-right: 14px;\">");
            for (int i = 0; i < piece.pictures.size(); ++i) {
                const QSize size = (QSizeF(piece.pictures[i].size()) / PictureScale).toSize();
                out += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\">")
                           .arg(source(p, i).toHtmlEscaped())
                           .arg(size.width())
                           .arg(size.height())
                           .arg(escaped(piece.pictureName));
            }
            out += QStringLiteral("</td>");
        }
        out += QStringLiteral("<td valign=\"top\">");
        if (!piece.fields.isEmpty()) {
            out += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
            for (const ReadingField &field : piece.fields)
                out += QStringLiteral("<tr><td style=\"padding-right: 10px;\"><b>%1</b></td><td>%2</td></tr>")
                           .arg(escaped(field.label), escaped(field.value));
            out += QStringLiteral("</table>");
        }
        // The reading below, the page's full width: a paragraph in a table
        // cell does not break cleanly across pages.
        out += QStringLiteral("</td></tr></table><p>%1</p>").arg(escaped(piece.text));
    }
    return out + QStringLiteral("</body></html>");
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The reading as a text document `width` pixels wide, its pictures served
// from the description.
class ReadingDocument : public QTextDocument {
public:
    ReadingDocument(const ReadingDescription &reading, qreal width)
        : m_reading(reading)
        , m_layoutDevice(1, 1, QImage::Format_ARGB32_Premultiplied)
    {
        m_layoutDevice.setDotsPerMeterX(qRound(LayoutDpi / 0.0254));
        m_layoutDevice.setDotsPerMeterY(qRound(LayoutDpi / 0.0254));
        documentLayout()->setPaintDevice(&m_layoutDevice);
        setDefaultFont(withLanguageGlyphs(QFont(QStringLiteral("DejaVu Sans"), 10)));
        setDocumentMargin(24);
        setTextWidth(width);
        setHtml(html(
            reading, [](int piece, int picture) { return QStringLiteral("picture:%1/%2").arg(piece).arg(picture); },
            cutShort));
    }

    // The part of the document in `area`, on white, whatever the target.
    void paint(QPainter &painter, const QRectF &area)
    {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(area, Paper);
        painter.setClipRect(area, Qt::IntersectClip);
        QAbstractTextDocumentLayout::PaintContext context;
        // A line that ends on the edge of the area belongs to the page above:
        // drawn here too, clipped away, it would be read twice from a PDF.
        context.clip = area.adjusted(0, 1, 0, -1);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            context.palette.setColor(group, QPalette::Text, Ink);
            context.palette.setColor(group, QPalette::WindowText, Ink);
            context.palette.setColor(group, QPalette::Base, Paper);
            context.palette.setColor(group, QPalette::Window, Paper);
        }
        documentLayout()->draw(&painter, context);
        painter.restore();
    }

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type != QTextDocument::ImageResource || name.scheme() != QLatin1String("picture"))
            return {};
        const QStringList at = name.path().split(QLatin1Char('/'));
        const ReadingPiece &piece = m_reading.pieces.value(at.value(0).toInt());
        return piece.pictures.value(at.value(1).toInt());
    }

private:
    const ReadingDescription &m_reading;
    QImage m_layoutDevice;
};
}

QString readingText(const ReadingDescription &reading)
{
    QStringList lines{reading.title(), when(reading)};
    for (const ReadingField &asked : reading.asked)
        lines << tidy(labelled(asked.label, asked.value));
    for (const ReadingPiece &piece : reading.pieces) {
        lines << QString() << pieceTitle(piece);
        for (const ReadingField &field : piece.fields)
            lines << tidy(labelled(field.label, field.value));
        if (!piece.fields.isEmpty())
            lines << QString();
        lines << tidy(piece.text);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString spokenReading(const ReadingDescription &reading)
{
    // A sentence ends with its full stop, whatever the table gives.
    const auto sentence = [](const QString &text) {
        const QString tidied = tidy(text).simplified();
        static const QString ends = QStringLiteral(".!?\u3002\uFF01\uFF1F");
        //: Ends a sentence a screen reader says, such as "Your domino: 6-4."
        return tidied.isEmpty() || ends.contains(tidied.back()) ? tidied : ReadingOutput::tr("%1.").arg(tidied);
    };
    QStringList said;
    for (const ReadingPiece &piece : reading.pieces) {
        said << sentence(pieceTitle(piece));
        for (const ReadingField &field : piece.fields)
            said << sentence(labelled(tidy(field.label), tidy(field.value)));
        said << sentence(piece.text);
    }
    said.removeAll(QString());
    return said.join(QLatin1Char(' '));
}

QString readingHtml(const ReadingDescription &reading)
{
    return html(
        reading,
        [&reading](int piece, int picture) {
            return QStringLiteral("data:image/png;base64,")
                   + QLatin1String(png(reading.pieces[piece].pictures[picture]).toBase64());
        },
        [](const QString &asked) { return asked; });
}

QImage readingImage(const ReadingDescription &reading, qreal scale)
{
    ReadingDocument document(reading, PageWidth);
    QImage image((document.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    document.paint(painter, QRectF(QPointF(), document.size()));
    return image;
}

bool paintReadingPage(const ReadingDescription &reading, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Text keeps its size in points and pictures theirs on screen: the
    // document is laid out at the page's width and runs on over pages.
    const qreal scaleX = qreal(device.logicalDpiX()) / LayoutDpi;
    const qreal scaleY = qreal(device.logicalDpiY()) / LayoutDpi;
    QFont footerFont(QStringLiteral("DejaVu Sans"));
    footerFont.setPointSizeF(8);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const qreal footerHeight = 2 * footerMetrics.height(); // with a line's gap above it
    const QSizeF page(device.width() / scaleX, (device.height() - footerHeight) / scaleY);
    ReadingDocument document(reading, page.width());
    document.setPageSize(page);
    const int pages = document.pageCount();
    //: A printed page's footer: the reading's title and when it was made.
    const QString title = ReadingOutput::tr("%1, %2").arg(reading.title(), when(reading));
    for (int number = 1; number <= pages; ++number) {
        if (number > 1 && !device.newPage())
            return false;
        painter.save();
        painter.scale(scaleX, scaleY);
        painter.translate(0, -(number - 1) * page.height());
        document.paint(painter, QRectF(QPointF(0, (number - 1) * page.height()), page));
        painter.restore();
        const QRectF footer(0, device.height() - footerMetrics.height(), device.width(), footerMetrics.height());
        painter.setFont(footerFont);
        painter.setPen(Quiet);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         ReadingOutput::tr("Page %1 of %2").arg(number).arg(pages));
    }
    return painter.end();
}

QMimeData *readingMimeData(const ReadingDescription &reading, qreal scale)
{
    auto *data = new QMimeData;
    data->setText(readingText(reading));
    data->setHtml(readingHtml(reading));
    data->setData(QStringLiteral("image/png"), png(readingImage(reading, scale)));
    return data;
}

QString suggestedReadingFileName(const ReadingDescription &reading, ReadingFormat format)
{
    static const char *const suffix[] = {"png", "pdf", "txt"};
    // The time as well: a second reading on one day is not offered the first one's name.
    return QStringLiteral("%1 %2.%3")
        .arg(reading.title(), reading.when.toString(QStringLiteral("yyyy-MM-dd HH.mm")),
             QLatin1String(suffix[static_cast<int>(format)]));
}

namespace {
// Writes `path` whole or not at all with what `render` puts on a device; it
// returns why it failed, or nothing.
bool writeWhole(const QString &path, QString *error, const std::function<QString(QIODevice &)> &render)
{
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile() && !existing.isDir()) {
        // Opening a pipe could block, and the swap below would put a file in
        // its place.
        //: Ends "The reading could not be saved as “…”: %2."
        *error = ReadingOutput::tr("it is not a plain file but a pipe or a device");
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (const QString failed = render(buffer); !failed.isEmpty()) {
        *error = failed;
        return false;
    }
    // Unbuffered, and the rest written again after a short write: on a full
    // disk that write fails and says why. Qt's own buffer would lose the
    // reason, and commit() would not see the failure of its last write.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qint64 written = 0;
        while (written < bytes.size()) {
            const qint64 last = file.write(bytes.constData() + written, bytes.size() - written);
            if (last <= 0)
                break;
            written += last;
        }
        if (written == bytes.size() && file.commit())
            return true;
    }
    *error = file.errorString(); // the file left uncommitted is removed with it
    return false;
}
}

bool writeReading(const ReadingDescription &reading, const QString &path, ReadingFormat format, QString *error)
{
    if (format == ReadingFormat::Png)
        return writeReadingPicture(reading, path, "png", error);
    if (format == ReadingFormat::Pdf) {
        const QPageSize paper(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                         : QPageSize::A4);
        return writeReadingPdf(
            reading, path,
            QPageLayout(paper, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter), error);
    }
    return writeWhole(path, error, [&reading](QIODevice &device) {
        device.write(readingText(reading).toUtf8());
        return QString();
    });
}

bool writeReadingPicture(const ReadingDescription &reading, const QString &path, const QByteArray &imageFormat,
                         QString *error)
{
    return writeWhole(path, error, [&](QIODevice &device) {
        QImageWriter writer(&device, imageFormat);
        return writer.write(readingImage(reading, PictureScale)) ? QString() : writer.errorString();
    });
}

bool writeReadingPdf(const ReadingDescription &reading, const QString &path, const QPageLayout &layout, QString *error)
{
    return writeWhole(path, error, [&](QIODevice &device) {
        QPdfWriter pdf(&device);
        pdf.setTitle(reading.title());
        pdf.setCreator(QStringLiteral("Augurium"));
        pdf.setPageLayout(layout);
        return paintReadingPage(reading, pdf) ? QString() : ReadingOutput::tr("the page could not be drawn");
    });
}
