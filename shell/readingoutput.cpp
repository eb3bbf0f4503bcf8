#include "readingoutput.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QLocale>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>
#include <functional>

namespace {
// The page's width in screen pixels: about 180 mm, an A4 or Letter page
// within its margins.
constexpr int PageWidth = 680;
constexpr qreal PictureScale = 2; // the pieces' pictures are drawn at twice their size on screen

QString when(const ReadingDescription &reading)
{
    return QLocale(QLocale::English).toString(reading.when, QStringLiteral("d MMMM yyyy, HH:mm"));
}

QString pieceTitle(const ReadingPiece &piece)
{
    if (piece.heading.isEmpty())
        return piece.name;
    return piece.heading + QStringLiteral(": ") + piece.name;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

// The HTML of the reading, its pictures named by `source(piece, picture)`.
QString html(const ReadingDescription &reading, const std::function<QString(int, int)> &source)
{
    QString out = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                                 "<body style=\"font-family: 'DejaVu Sans', Verdana, sans-serif; font-size: 10pt;\">"
                                 "<h1 style=\"font-size: 16pt;\">%1</h1><p style=\"color: #555555;\">%2</p>")
                      .arg(escaped(reading.title()), escaped(when(reading)));
    for (const ReadingField &asked : reading.asked)
        out += QStringLiteral("<p><b>%1:</b> %2</p>").arg(escaped(asked.label), escaped(asked.value));
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
        out += QStringLiteral("<p>%1</p></td></tr></table>").arg(escaped(piece.text));
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

// The reading as a text document, its pictures served from the description.
class ReadingDocument : public QTextDocument {
public:
    explicit ReadingDocument(const ReadingDescription &reading)
        : m_reading(reading)
    {
        setDocumentMargin(24);
        setTextWidth(PageWidth);
        setHtml(html(reading,
                     [](int piece, int picture) { return QStringLiteral("picture:%1/%2").arg(piece).arg(picture); }));
    }

    // White behind the text, whatever the target.
    void paint(QPainter &painter)
    {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(QRectF(QPointF(), size()), Qt::white);
        drawContents(&painter);
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
};
}

QString readingText(const ReadingDescription &reading)
{
    QStringList lines{reading.title(), when(reading)};
    for (const ReadingField &asked : reading.asked)
        lines << asked.label + QStringLiteral(": ") + asked.value;
    for (const ReadingPiece &piece : reading.pieces) {
        lines << QString() << pieceTitle(piece);
        for (const ReadingField &field : piece.fields)
            lines << field.label + QStringLiteral(": ") + field.value;
        lines << piece.text;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString readingHtml(const ReadingDescription &reading)
{
    return html(reading, [&reading](int piece, int picture) {
        return QStringLiteral("data:image/png;base64,")
               + QLatin1String(png(reading.pieces[piece].pictures[picture]).toBase64());
    });
}

QImage readingImage(const ReadingDescription &reading, qreal scale)
{
    ReadingDocument document(reading);
    QImage image((document.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    document.paint(painter);
    return image;
}

bool paintReadingPage(const ReadingDescription &reading, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    ReadingDocument document(reading);
    const QSizeF page(device.width(), device.height());
    const qreal scale = std::min(page.width() / document.size().width(), page.height() / document.size().height());
    painter.scale(scale, scale);
    document.paint(painter);
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
    return QStringLiteral("%1 %2.%3")
        .arg(reading.title(), reading.when.date().toString(Qt::ISODate),
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
        *error = QStringLiteral("it is not a plain file but a pipe or a device");
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
        const QPageSize paper(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
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
        return paintReadingPage(reading, pdf) ? QString() : QStringLiteral("the page could not be drawn");
    });
}
