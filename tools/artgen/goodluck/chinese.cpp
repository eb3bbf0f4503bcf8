// Chinese good-luck symbols.
#include "style.h"

namespace artgen::goodluck {

QList<Symbol> chineseSymbols()
{
    return {};
}

} // namespace artgen::goodluck
