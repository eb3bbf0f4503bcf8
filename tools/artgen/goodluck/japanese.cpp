// Japanese good-luck symbols.
#include "style.h"

namespace artgen::goodluck {

QList<Symbol> japaneseSymbols()
{
    return {};
}

} // namespace artgen::goodluck
