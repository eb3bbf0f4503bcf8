// English good-luck symbols.
#include "style.h"

namespace artgen::goodluck {

QList<Symbol> englishSymbols()
{
    return {};
}

} // namespace artgen::goodluck
