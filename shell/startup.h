#pragma once
#include "oracleregistry.h"

#include <QtGlobal>

class QApplication;
struct Services;

// While it lives, the toolkit's failure to reach any display ends the program
// with a plain message and status 1 instead of an abort. Make one before the
// application object and drop it once that stands.
class DesktopSessionRequired {
public:
    DesktopSessionRequired();
    ~DesktopSessionRequired();
    DesktopSessionRequired(const DesktopSessionRequired &) = delete;
    DesktopSessionRequired &operator=(const DesktopSessionRequired &) = delete;

private:
    QtMessageHandler m_previous;
};

// The program's start: refuses a second copy, seeds the random source, runs
// the update reminder and shows the main window. Returns the exit code.
int StartUp(QApplication &app, Services &services, const OracleRegistry &oracles);
