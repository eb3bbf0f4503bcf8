#include "artgen.h"
QList<artgen::Group> artgen::iconGroups() { return {}; }
