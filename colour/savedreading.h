#pragma once
// A reading saved by the numerology program Tallymere (*.num): its lines 4 to
// 6 hold the birth month, day and year, scrambled.
#include <QByteArray>
#include <QString>

struct SavedBirthDay {
    QString month;
    QString date;
    QString year;
};

// The three values from the start of a file's content, unscrambled. A line
// ends at CR, CR LF or LF; lines 1 to 3 and anything after line 6 are ignored;
// missing lines, and lines too long to be a value, give empty values.
SavedBirthDay ParseSavedReading(const QByteArray &content);

// The same from a file, read up to its sixth line whatever the lines'
// lengths. Only a plain file is read, within a budget of bytes and of time,
// and little of it is kept, so nothing that can stand at the path (a huge
// file, a device, a FIFO, a folder) can hang or exhaust the program; what
// cannot be read gives empty values.
SavedBirthDay ReadSavedReading(const QString &path);

// The dialog offers *.num, but only a path whose last three characters are
// exactly "num" is read.
bool IsSavedReadingName(const QString &path);
