// Indian good-luck symbols.
#include "style.h"

namespace artgen::goodluck {

QList<Symbol> indianSymbols()
{
    return {};
}

} // namespace artgen::goodluck
