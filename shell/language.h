#pragma once
// The language the program speaks: the desktop's, or the one chosen under
// Help > Language. This one place installs our translations and Qt's own,
// and serves the reading texts of that language, each text falling back to
// its English original when the translation lacks it. Widgets follow through
// Qt's LanguageChange event; tables rebuild what they translated when
// generation() moves on.
#include <QString>
#include <QStringList>

#include <functional>

class QObject;

namespace Language {
inline const QString English = QStringLiteral("en");

// The languages the build carries as codes ("en", "de", "zh_CN"), English first.
QStringList available();
// A language's name as its speakers write it ("Deutsch"), taken from its own translation.
QString nativeName(const QString &code);

// The first of `preferred` (locale names such as "de_AT.UTF-8" or "pt-BR",
// best first) that one of `available` serves, the same language in the same
// script; English when none does or a "C" / "POSIX" entry comes first.
QString match(const QStringList &preferred, const QStringList &available);
// The desktop's choice among `available`. On Unix: LANGUAGE's list, then the
// first set of LC_ALL, LC_MESSAGES and LANG, read through `variable`.
QString desktopLanguage(const std::function<QString(const char *)> &variable, const QStringList &available);

// The language in use; English until another is applied.
QString current();
// Makes `code` the language in use (an unknown code means English): our
// translation and Qt's own are installed, dates follow the language, and
// every widget receives LanguageChange.
void apply(const QString &code);
// Moves on whenever the language changes.
int generation();

// Runs `setTexts` now and again each time the language changes under
// `owner` (a widget): for the texts that code, not a form, sets.
void whenLanguageChanges(QObject *owner, std::function<void()> setTexts);

// The `count` paragraphs of an English text resource such as
// ":/domino/readings.txt" in the language in use, read from the file beside
// it with the language's code (":/domino/readings_de.txt"). A paragraph the
// translation lacks, and every paragraph of a missing or damaged file, comes
// in English.
QStringList paragraphs(const QString &englishResource, int count);
}
