#pragma once
// Another language for a test, as a pseudo-language: the reading texts come
// from the language's own files, as they do for a user, and every text of
// ours that goes through the translator comes back marked ("[de] Keywords"),
// so a test sees which texts were translated and which were set in English
// behind the translator's back.
#include "language.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace markedlanguage {

// Every text of ours, marked; Qt's own texts (their contexts start with a Q)
// are left to Qt's catalogues.
class MarkingTranslator : public QTranslator {
public:
    explicit MarkingTranslator(const QString &code)
        : m_mark(QLatin1Char('[') + code + QStringLiteral("] "))
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!context || !source || !*source || (context[0] == 'Q' && context[1] >= 'A' && context[1] <= 'Z'))
            return {};
        return m_mark + QString::fromUtf8(source);
    }

private:
    QString m_mark;
};

}

// Paragraph `n` (1-based) of a reading text as the file holds it.
inline QString paragraph(const QString &resource, int n)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')).value(n - 1);
}

// Speaks `code` from construction to destruction, then English again; the
// windows have retranslated when either returns.
class MarkedLanguage {
public:
    explicit MarkedLanguage(const QString &code)
    {
        // Installed after the language's own catalogue, so that it answers
        // first: every text that went through the translator shows marked,
        // even one the language writes as English does ("Jupiter").
        Language::apply(code);
        m_marks = std::make_unique<markedlanguage::MarkingTranslator>(code);
        QCoreApplication::installTranslator(m_marks.get());
        QCoreApplication::processEvents();
    }
    ~MarkedLanguage()
    {
        // Removed first, so that no table rebuilt for English keeps a marked text.
        QCoreApplication::removeTranslator(m_marks.get());
        Language::apply(Language::English);
        QCoreApplication::processEvents();
    }
    MarkedLanguage(const MarkedLanguage &) = delete;
    MarkedLanguage &operator=(const MarkedLanguage &) = delete;

    // `source` as this language shows it, given the context it is translated in.
    static QString tr(const char *context, const char *source) { return QCoreApplication::translate(context, source); }

private:
    std::unique_ptr<markedlanguage::MarkingTranslator> m_marks;
};

// Every text a person reads in `window`, or hears from a screen reader, by
// control ("lblName.text", "picImage.accessibleName", "mnuNext.action"):
// to compare a window in two languages.
inline QMap<QString, QString> textsOf(const QWidget *window)
{
    QMap<QString, QString> texts;
    int unnamed = 0;
    const auto add = [&texts](const QString &key, const QString &text) {
        if (!text.isEmpty())
            texts.insert(key, text);
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(const_cast<QWidget *>(window));
    for (const QWidget *w : std::as_const(widgets)) {
        const QString name = w->objectName().isEmpty() ? QStringLiteral("#%1").arg(++unnamed) : w->objectName();
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(w))
            text = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text();
        else if (const auto *line = qobject_cast<const QLineEdit *>(w))
            text = line->text();
        else if (const auto *plain = qobject_cast<const QPlainTextEdit *>(w))
            text = plain->toPlainText();
        else if (const auto *rich = qobject_cast<const QTextEdit *>(w))
            text = rich->toPlainText();
        else if (const auto *group = qobject_cast<const QGroupBox *>(w))
            text = group->title();
        add(name + QStringLiteral(".text"), text);
        add(name + QStringLiteral(".accessibleName"), w->accessibleName());
        add(name + QStringLiteral(".accessibleDescription"), w->accessibleDescription());
        add(name + QStringLiteral(".toolTip"), w->toolTip());
    }
    add(QStringLiteral("windowTitle"), window->windowTitle());
    for (const QAction *action : window->findChildren<QAction *>())
        if (!action->objectName().isEmpty())
            add(action->objectName() + QStringLiteral(".action"), action->text());
    return texts;
}

// The first text that differs between two views of a window, described; empty when none does.
inline QString firstDifference(const QMap<QString, QString> &actual, const QMap<QString, QString> &expected)
{
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        if (actual.value(it.key()) != it.value())
            return QStringLiteral("%1 is \"%2\", not \"%3\"").arg(it.key(), actual.value(it.key()), it.value());
    for (auto it = actual.cbegin(); it != actual.cend(); ++it)
        if (!expected.contains(it.key()))
            return QStringLiteral("%1 is \"%2\", not empty").arg(it.key(), it.value());
    return {};
}

// What every oracle window shares, the promotional labels and the File
// menu's Back and reading commands: the oracles' tests leave them to the
// shell's own.
inline const QStringList SharedWindowTexts{QStringLiteral("Label61"),        QStringLiteral("lblFullBrand"),
                                           QStringLiteral("lblCobrand"),     QStringLiteral("mnuBack"),
                                           QStringLiteral("mnuFileBack"),    QStringLiteral("mnuCopyReading"),
                                           QStringLiteral("mnuSaveReading"), QStringLiteral("mnuPrintReading")};

// The texts that read the same in `translated` as in `english`, but for
// those whose keys start with one of `untranslatable` ("lblOghamTerm"):
// texts that were set in English behind the translator's back.
inline QStringList sameAsEnglish(const QMap<QString, QString> &translated, const QMap<QString, QString> &english,
                                 const QStringList &untranslatable = {})
{
    QStringList same;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const bool excused = std::any_of(untranslatable.cbegin(), untranslatable.cend(),
                                         [&it](const QString &prefix) { return it.key().startsWith(prefix); });
        if (!excused && translated.value(it.key()) == it.value())
            same << it.key() + QStringLiteral(": ") + it.value();
    }
    return same;
}
