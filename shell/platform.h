#pragma once
// What differs between the desktops Augurium runs on, in one place: one
// source file per platform implements it (platform_unix.cpp,
// platform_windows.cpp), and nothing else tests the platform.
#include <QString>
#include <QStringList>

class QPrinter;

namespace Platform {
// The folder of the settings file: ~/.config/augurium, or wherever
// XDG_CONFIG_HOME points; %APPDATA%\augurium on Windows.
QString settingsFolder();
// A per-user folder for the running copy's lock, never one that other users
// can write to; empty if there is none.
QString lockFolder();
// The family of the interface font: the design's Verdana where the system
// has it on Windows, else DejaVu Sans, whose widths are closest.
QString interfaceFontFamily();
// The families that draw Han characters in the forms `language` reads them
// in (Japanese or Simplified Chinese), best first; none for other languages.
QStringList hanFamilies(const QString &language);
// Which of `available` the desktop's language settings ask for; English when
// none: the locale variables on Unix, the display language on Windows.
QString desktopLanguage(const QStringList &available);
// Lets the print dialog offer `path` for Print to File, the printer it
// starts on staying the desktop's default.
void offerPrintFile(QPrinter &printer, const QString &path);
}
