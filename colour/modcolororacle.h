#pragma once
// The Mystical Color oracle's computation: a lucky colour from a first and a
// last name, and the five colours with their readings.
#include <QString>

inline constexpr int ColorCount = 5;

// A colour as the user reads it in the language in use.
struct ColorReading {
    QString name; // "Blue", "Brown", "Green", "Red", "Yellow" in English
    QString reading;
};

// The English name of colour n, whatever the language in use: the Library finds a colour by it too.
QString ColorEnglishName(int n);
// Colour number n, 1 to 5. A row handed out stays valid: the first look-up
// after the language changes rewrites it in place.
const ColorReading &ColorReadings(int n);

// 1 to 5 from the two names exactly as typed: the first letter's place in
// the alphabet (0 for anything but A to Z) plus the length of the last name,
// both upper-cased and stripped of outer blanks, modulo 5, a remainder of 0
// counting as 5. The same in every language.
int LuckyColorNumber(const QString &firstName, const QString &lastName);
