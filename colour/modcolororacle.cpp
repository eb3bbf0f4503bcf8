#include "modcolororacle.h"

#include "language.h"
#include "oracletables.h"

#include <QCoreApplication>
#include <array>

namespace {

// Upper case, character by character, so that no letter turns into two;
// then only blanks are stripped from the ends, not tabs.
QString normalised(const QString &name)
{
    QString upper;
    upper.reserve(name.size());
    for (const QChar c : name)
        upper.append(c.toUpper());
    qsizetype first = 0;
    qsizetype last = upper.size();
    while (first < last && upper[first] == QLatin1Char(' '))
        ++first;
    while (last > first && upper[last - 1] == QLatin1Char(' '))
        --last;
    return upper.mid(first, last - first);
}

int letterValue(const QString &name)
{
    if (name.isEmpty())
        return 0;
    const char16_t c = name.front().unicode();
    return c >= u'A' && c <= u'Z' ? c - u'A' + 1 : 0;
}

}

const char *const ColorNames[ColorCount] = {
    QT_TRANSLATE_NOOP("MysticalColors", "Blue"), QT_TRANSLATE_NOOP("MysticalColors", "Brown"),
    QT_TRANSLATE_NOOP("MysticalColors", "Green"), QT_TRANSLATE_NOOP("MysticalColors", "Red"),
    QT_TRANSLATE_NOOP("MysticalColors", "Yellow")};

QString ColorEnglishName(int n)
{
    return QLatin1String(ColorNames[n - 1]);
}

const ColorReading &ColorReadings(int n)
{
    // Rebuilt in place at the first look-up in a new language: the rows
    // already handed out stay valid.
    static std::array<ColorReading, ColorCount> table;
    static int built = -1;
    if (built != Language::generation()) {
        const QStringList readings = Language::paragraphs(QStringLiteral(":/colour/readings.txt"), ColorCount);
        for (int i = 0; i < ColorCount; ++i)
            table[i] = {QCoreApplication::translate("MysticalColors", ColorNames[i]), readings[i]};
        built = Language::generation();
    }
    return table.at(n - 1);
}

int LuckyColorNumber(const QString &firstName, const QString &lastName)
{
    // Every character of the last name counts once, whatever its encoding.
    const auto length = qsizetype(normalised(lastName).toUcs4().size());
    const int remainder = int((length + letterValue(normalised(firstName))) % ColorCount);
    return remainder == 0 ? ColorCount : remainder;
}
