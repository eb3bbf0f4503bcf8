#pragma once
// What an oracle window needs from the main window that holds it.
#include <QString>

class OracleWindow;
struct Services;

class OracleHost {
public:
    virtual Services &services() = 0;
    // The welcome panel: shown exactly while no oracle is in use.
    virtual void setWelcomeVisible(bool visible) = 0;
    // Takes a newly made oracle window into the main window and places it.
    virtual void adopt(OracleWindow *window) = 0;
    // The live oracle window of that class, hidden or not; null if none.
    virtual OracleWindow *findOracleWindow(const QString &className) const = 0;
    // An oracle window was shown, hidden or closed: the menu bar follows the
    // active one, or is the main window's own when none is.
    virtual void updateMenuBar() = 0;
    // Brings the Oracle Library to the front, made on first use.
    virtual void openLibrary() = 0;

protected:
    ~OracleHost() = default;
};
