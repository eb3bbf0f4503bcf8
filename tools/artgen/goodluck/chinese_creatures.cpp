// Chinese good-luck symbols that are animals.
#include "style.h"

namespace artgen::goodluck {

QList<Symbol> chineseCreatureSymbols()
{
    return {};
}

} // namespace artgen::goodluck
