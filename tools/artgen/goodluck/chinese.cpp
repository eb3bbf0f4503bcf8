// Chinese good-luck symbols that are things and signs.
#include "style.h"

namespace artgen::goodluck {

QList<Symbol> chineseSymbols()
{
    return {};
}

} // namespace artgen::goodluck
