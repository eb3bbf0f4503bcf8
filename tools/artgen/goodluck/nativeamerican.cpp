// Native American good-luck symbols.
#include "style.h"

namespace artgen::goodluck {

QList<Symbol> nativeAmericanSymbols()
{
    return {};
}

} // namespace artgen::goodluck
