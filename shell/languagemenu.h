#pragma once
// Help > Language: the desktop's language or one the program carries, each
// named in its own language and script, the one in use checked. A choice
// applies at once and is kept for the next start.
#include <QString>

class QMenu;
struct Services;

QMenu *addLanguageMenu(QMenu *help, Services &services);

// The language to start in: the one kept in the settings, or the desktop's
// when none is kept or the kept one is unknown.
QString startLanguage(Services &services);
