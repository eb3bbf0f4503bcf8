#pragma once
// The Library's pieces as the tests' tables of cases name them.
#include "librarycatalogue.h"

// A piece as a row of test data gives it: its oracle and up to two numbers.
inline LibraryPiece pieceOf(int oracle, int first, int second)
{
    switch (oracle) {
    case CelticOgham:
        return OghamPiece{first};
    case Domino:
        return DominoPiece{first, second};
    case Mahjong:
        return MahjongPiece{first};
    case GoodLuck:
        return GoodLuckPiece{first, second};
    default:
        return ColourPiece{first};
    }
}
