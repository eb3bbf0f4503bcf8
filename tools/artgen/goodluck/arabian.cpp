// Arabian good-luck symbols.
#include "style.h"

namespace artgen::goodluck {

QList<Symbol> arabianSymbols()
{
    return {};
}

} // namespace artgen::goodluck
