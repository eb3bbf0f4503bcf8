#pragma once
#include <QString>

// The reversible scramble of stored texts: reverse the text and raise every
// single-byte character code by 85. Characters that would leave the byte
// range are dropped.
QString ScrambleText(const QString &text);
QString UnscrambleText(const QString &text);
