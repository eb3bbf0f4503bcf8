#pragma once
// A reading rendered for the clipboard, a file or a printer, all from the one
// description the result window gives.
#include "readingdescription.h"

class QMimeData;
class QPageLayout;
class QPagedPaintDevice;

// Title, date and time, what was asked, then each piece with its fields and
// reading; without the trailing blanks of the tables.
QString readingText(const ReadingDescription &reading);
// What a screen reader says of the pieces when the reading appears: each
// piece's title, fields and reading in one run of sentences.
QString spokenReading(const ReadingDescription &reading);
// The same as HTML, the pictures embedded as data URLs, in the page's own colours.
QString readingHtml(const ReadingDescription &reading);
// The reading laid out as a page and drawn at `scale` times its size on screen,
// in its own colours whatever the desktop's; a long question is cut short.
QImage readingImage(const ReadingDescription &reading, qreal scale);
// The pages on `device`, a PDF writer or a printer: real text at its size,
// over as many pages as it takes, each with the title and its page number
// at the foot.
bool paintReadingPage(const ReadingDescription &reading, QPagedPaintDevice &device);
// Plain text, HTML and a PNG picture drawn at `scale`.
QMimeData *readingMimeData(const ReadingDescription &reading, qreal scale);

enum class ReadingFormat { Png, Pdf, Text };
// The file name a save or Print to File suggests: "Domino reading 2026-12-10 14.05.png".
QString suggestedReadingFileName(const ReadingDescription &reading, ReadingFormat format);
// Writes the whole file or nothing: an old file stays as it was when the
// writing fails, and `error` then says why. A pipe or a device of that name
// is left alone.
bool writeReading(const ReadingDescription &reading, const QString &path, ReadingFormat format, QString *error);
// The same for a picture in `imageFormat`, one that QImageWriter writes.
bool writeReadingPicture(const ReadingDescription &reading, const QString &path, const QByteArray &imageFormat,
                         QString *error);
// The same for a PDF of the page `layout` sets up, as a print dialog leaves it.
bool writeReadingPdf(const ReadingDescription &reading, const QString &path, const QPageLayout &layout, QString *error);
