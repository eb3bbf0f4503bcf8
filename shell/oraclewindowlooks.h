#pragma once
// How each of the nine oracle windows dresses: where its promotional labels
// stand, and how its menu bar differs from the others'.
#include "commonmenus.h"
#include "promotions.h"

#include <vector>

struct OracleWindowLook {
    const char *window; // the window's class
    PromotionLayout promotions;
    MenuBarLook::UpdateCaption updateCaption;
    const char *makeMoney; // the object name of the "Make Money Online" item
    struct BackItem {
        const char *name = nullptr; // result windows only
        const char *text = nullptr;
    } back;
};

// All nine, in the order the design lists them.
const std::vector<OracleWindowLook> &OracleWindowLooks();

// The look of the window of that class; null for a class that is not one of the nine.
const OracleWindowLook *oracleWindowLook(const char *window);
