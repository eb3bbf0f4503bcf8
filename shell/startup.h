#pragma once
#include "oracleregistry.h"

class QApplication;
struct Services;

// The program's start: refuses a second copy, seeds the random source, runs
// the update reminder and shows the main window. Returns the exit code.
int StartUp(QApplication &app, Services &services, const OracleRegistry &oracles);
