#pragma once
// Language::apply() takes only the languages whose catalogue the program
// carries, and a build carries none until its translations are made. A test
// that needs another language offers it here: an empty catalogue of that
// name under :/i18n makes the language selectable, so that its reading texts
// come from their files while its words stay English. Where the build
// carries the real catalogue, that one serves and nothing is added.
#include "language.h"

#include <QByteArray>
#include <QList>
#include <QResource>
#include <QtEndian>

namespace standin {
inline void put32(QByteArray &bytes, quint32 value)
{
    const quint32 big = qToBigEndian(value);
    bytes.append(reinterpret_cast<const char *>(&big), 4);
}
inline void put16(QByteArray &bytes, quint16 value)
{
    const quint16 big = qToBigEndian(value);
    bytes.append(reinterpret_cast<const char *>(&big), 2);
}
// The hash by which a resource tree finds its names.
inline quint32 nameHash(const QString &name)
{
    quint32 h = 0;
    for (const QChar c : name) {
        h = (h << 4) + c.unicode();
        h ^= (h & 0xf0000000) >> 23;
        h &= 0x0fffffff;
    }
    return h;
}
}

inline void offerLanguage(const QString &code)
{
    if (Language::available().contains(code))
        return;
    // A resource file of the first format (as rcc --binary writes it, one
    // file and no dates): its root, mapped onto /i18n, holds one empty file.
    const QString name = QStringLiteral("augurium_%1.qm").arg(code);
    constexpr quint32 Header = 20, Tree = 2 * 14, Data = 4;
    QByteArray rcc("qres");
    standin::put32(rcc, 1);                    // format
    standin::put32(rcc, Header);               // the tree
    standin::put32(rcc, Header + Tree);        // the contents
    standin::put32(rcc, Header + Tree + Data); // the names
    // The root: a directory of one, node 1.
    standin::put32(rcc, 0);
    standin::put16(rcc, 2);
    standin::put32(rcc, 1);
    standin::put32(rcc, 1);
    // Node 1: the file, in every locale, its contents at 0.
    standin::put32(rcc, 0);
    standin::put16(rcc, 0);
    standin::put16(rcc, 0); // any territory
    standin::put16(rcc, 1); // QLocale::C
    standin::put32(rcc, 0);
    standin::put32(rcc, 0); // no bytes
    standin::put16(rcc, quint16(name.size()));
    standin::put32(rcc, standin::nameHash(name));
    for (const QChar c : name)
        standin::put16(rcc, c.unicode());
    // Registered data is read in place for as long as the test runs.
    static QList<QByteArray> kept;
    kept.append(rcc);
    QResource::registerResource(reinterpret_cast<const uchar *>(kept.last().constData()), QStringLiteral("/i18n"));
}
