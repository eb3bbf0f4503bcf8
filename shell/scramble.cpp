#include "scramble.h"

namespace {
constexpr int Shift = 85;

QString shiftReversed(const QString &text, int shift)
{
    QString result;
    result.reserve(text.size());
    for (auto it = text.crbegin(); it != text.crend(); ++it) {
        const int code = it->unicode() + shift;
        if (code >= 0 && code <= 255)
            result.append(QChar(code));
    }
    return result;
}
}

QString ScrambleText(const QString &text)
{
    return shiftReversed(text, Shift);
}

QString UnscrambleText(const QString &text)
{
    return shiftReversed(text, -Shift);
}
