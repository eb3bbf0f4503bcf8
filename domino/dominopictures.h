#pragma once
// IMGDomino: pictures 1 to 6 show a half with that many pips, picture 7 a blank half.
#include "picturelist.h"

#include <QCoreApplication>

// The halves' names are translated in a context of their own, apart from
// the same words in other tables.
struct DominoPieces {
    Q_DECLARE_TR_FUNCTIONS(DominoPieces)
};

inline const QStringList DominoHalfPictureKeys{QStringLiteral("pips-1.jpg"), QStringLiteral("pips-2.jpg"),
                                               QStringLiteral("pips-3.jpg"), QStringLiteral("pips-4.jpg"),
                                               QStringLiteral("pips-5.jpg"), QStringLiteral("pips-6.jpg"),
                                               QStringLiteral("blank.jpg")};
inline constexpr QSize DominoHalfPictureSize{78, 56};

// The picture of dominoes the user clicks.
inline constexpr QSize DominoStartPictureSize{163, 115};

// Drawn on the result window's black.
inline PictureList IMGDomino()
{
    return {QStringLiteral(":/domino"), DominoHalfPictureKeys, Qt::black};
}

// The picture of a half with `pips` pips, 0 being a blank half, and what a
// screen reader calls it.
inline int DominoHalfPicture(int pips)
{
    return pips == 0 ? 7 : pips;
}
inline QString DominoHalfName(int pips)
{
    if (pips == 0)
        //: A screen reader's name for the picture of a domino half without pips
        return DominoPieces::tr("blank");
    if (pips == 1)
        //: A screen reader's name for the picture of a domino half with one pip
        return DominoPieces::tr("1 pip");
    //: A screen reader's name for the picture of a domino half; %1 is 2 to 6
    return DominoPieces::tr("%1 pips").arg(pips);
}

// A half as the domino's number writes it: "4-1", "Blank-6".
inline QString DominoHalfNumber(int pips)
{
    //: A half without pips in a domino's number, such as "Blank-6"
    return pips == 0 ? DominoPieces::tr("Blank") : QString::number(pips);
}

// As a list of one, so that it loads like every other picture, @2x included.
inline PictureList DominoStartPicture()
{
    return {QStringLiteral(":/domino"), {QStringLiteral("dominoes.jpg")}};
}
