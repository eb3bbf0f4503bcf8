// Egyptian good-luck symbols.
#include "style.h"

namespace artgen::goodluck {

QList<Symbol> egyptianSymbols()
{
    return {};
}

} // namespace artgen::goodluck
