#pragma once
// Another language for a test, whether or not the build carries its
// catalogue yet. The reading texts come from the language's own files, as
// they do for a user; every text of ours that goes through the translator and
// that the build has no translation for comes back marked ("[de] Keywords"),
// so a test sees which texts were translated and which were set in English
// behind the translator's back.
#include "language.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHashFunctions>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QResource>
#include <QTextEdit>
#include <QTranslator>
#include <QtEndian>

#include <algorithm>
#include <memory>

namespace markedlanguage {

inline void append16(QByteArray &to, quint16 value)
{
    const quint16 big = qToBigEndian(value);
    to.append(reinterpret_cast<const char *>(&big), sizeof big);
}

inline void append32(QByteArray &to, quint32 value)
{
    const quint32 big = qToBigEndian(value);
    to.append(reinterpret_cast<const char *>(&big), sizeof big);
}

// A resource bundle, as rcc writes one (format 1), holding one empty file
// under one folder: ":/<folder>/<file>".
inline QByteArray bundleWithEmptyFile(const QString &folder, const QString &file)
{
    QByteArray names;
    const auto addName = [&names](const QString &name) {
        const auto offset = quint32(names.size());
        append16(names, quint16(name.size()));
        append32(names, qt_hash(name));
        for (const QChar c : name)
            append16(names, c.unicode());
        return offset;
    };
    const quint32 folderName = addName(folder);
    const quint32 fileName = addName(file);

    constexpr quint16 Directory = 0x02;
    constexpr quint16 AnyTerritory = 0, CLanguage = 1;
    QByteArray tree; // the root, the folder, the file: each folder's children follow it
    append32(tree, folderName);
    append16(tree, Directory);
    append32(tree, 1); // children
    append32(tree, 1); // the first child's node
    append32(tree, folderName);
    append16(tree, Directory);
    append32(tree, 1);
    append32(tree, 2);
    append32(tree, fileName);
    append16(tree, 0);
    append16(tree, AnyTerritory);
    append16(tree, CLanguage);
    append32(tree, 0); // its data, at the start of the data

    QByteArray data;
    append32(data, 0); // no bytes

    constexpr quint32 Header = 20;
    QByteArray bundle("qres");
    append32(bundle, 1);
    append32(bundle, Header);                                      // tree
    append32(bundle, Header + quint32(tree.size()));               // data
    append32(bundle, Header + quint32(tree.size() + data.size())); // names
    return bundle + tree + data + names;
}

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

// Speaks `code` from construction to destruction, then English again; the
// windows have retranslated when either returns.
class MarkedLanguage {
public:
    explicit MarkedLanguage(const QString &code)
    {
        if (!Language::available().contains(code)) {
            // The catalogue's name alone makes the language one the program offers.
            static QList<QByteArray> bundles; // registered bundles must outlive their use
            bundles.append(markedlanguage::bundleWithEmptyFile(QStringLiteral("i18n"),
                                                               QStringLiteral("augurium_%1.qm").arg(code)));
            QResource::registerResource(reinterpret_cast<const uchar *>(bundles.last().constData()));
        }
        // Installed first, so that a real catalogue, installed after it, answers first.
        m_marks = std::make_unique<markedlanguage::MarkingTranslator>(code);
        QCoreApplication::installTranslator(m_marks.get());
        Language::apply(code);
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
