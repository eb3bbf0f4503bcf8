#include "language.h"

#include "oracletables.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QTranslator>

#include <memory>

namespace {

const QString Catalogue = QStringLiteral(":/i18n/augurium_");

struct State {
    QString code = Language::English;
    int generation = 0;
    std::unique_ptr<QTranslator> ours, qts;
    QHash<QString, QStringList> paragraphs;
};

State &state()
{
    static State s;
    return s;
}

// "de_AT.UTF-8@euro" and "de-AT" both name the locale de_AT.
QString localeName(QString entry)
{
    entry = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return entry.replace(QLatin1Char('-'), QLatin1Char('_')).trimmed();
}

bool isC(const QString &name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// A translation file bigger than this was not made by us.
constexpr qint64 LargestTextFile = 4 * 1024 * 1024;

// The translated paragraphs, or none when the file is missing, is not
// UTF-8 or holds another number of paragraphs than the English.
QStringList translatedParagraphs(const QString &resource, int count)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestTextFile)
        return {};
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(file.readAll());
    if (decode.hasError())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() != count) {
        qWarning("Augurium: %s holds %d paragraphs instead of %d; showing English", qPrintable(resource),
                 int(lines.size()), count);
        return {};
    }
    return lines;
}

}

QStringList Language::available()
{
    QStringList codes{English};
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("augurium_*.qm")});
    for (const QString &file : files)
        codes << file.mid(9, file.size() - 9 - 3);
    return codes;
}

QString Language::nativeName(const QString &code)
{
    if (code == English)
        return QStringLiteral("English");
    QTranslator translator;
    QString name;
    if (translator.load(Catalogue + code))
        //: Your language's name as its speakers write it, such as "Deutsch".
        name = translator.translate("Language", "English");
    return name.isEmpty() ? QLocale(code).nativeLanguageName() : name;
}

QString Language::match(const QStringList &preferred, const QStringList &available)
{
    for (const QString &entry : preferred) {
        const QString name = localeName(entry);
        if (name.isEmpty())
            continue;
        if (isC(name))
            return English;
        if (available.contains(name))
            return name;
        const QLocale wanted(name);
        if (wanted.language() == QLocale::C)
            continue;
        for (const QString &code : available) {
            const QLocale offered(code);
            if (offered.language() == wanted.language() && offered.script() == wanted.script())
                return code;
        }
    }
    return English;
}

QString Language::desktopLanguage(const std::function<QString(const char *)> &variable, const QStringList &available)
{
    QStringList preferred;
    // The first locale variable that is set decides alone, as it does for
    // every program; LANGUAGE's list goes before it unless that is "C".
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = variable(name);
        if (value.isEmpty())
            continue;
        if (!isC(localeName(value)))
            preferred = variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
        preferred << value;
        break;
    }
    return match(preferred, available);
}

QString Language::current()
{
    return state().code;
}

int Language::generation()
{
    return state().generation;
}

void Language::apply(const QString &code)
{
    State &s = state();
    const QString chosen = available().contains(code) ? code : English;
    if (chosen == s.code && s.generation > 0)
        return; // nothing to tell anyone
    const bool first = s.generation == 0;
    bool told = false; // installing or removing a translator tells the widgets
    for (auto *translator : {s.ours.get(), s.qts.get()})
        if (translator)
            told |= QCoreApplication::removeTranslator(translator);
    s.ours.reset();
    s.qts.reset();
    s.code = chosen;
    s.paragraphs.clear();
    ++s.generation;
    if (s.code == English) {
        QLocale::setDefault(QLocale(QLocale::English));
    } else {
        QLocale::setDefault(QLocale(s.code));
        s.ours = std::make_unique<QTranslator>();
        if (s.ours->load(Catalogue + s.code))
            told |= QCoreApplication::installTranslator(s.ours.get());
        // The file, print and message-box dialogs in the same language.
        s.qts = std::make_unique<QTranslator>();
        if (s.qts->load(QLocale(s.code), QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            told |= QCoreApplication::installTranslator(s.qts.get());
    }
    // The texts read from files change too, even where no translator did;
    // at start-up there is nothing shown yet to change.
    if (!told && !first && QCoreApplication::instance())
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LanguageChange));
}

namespace {
class LanguageWatch : public QObject {
public:
    LanguageWatch(QObject *owner, std::function<void()> setTexts)
        : QObject(owner)
        , m_setTexts(std::move(setTexts))
    {
        owner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::LanguageChange)
            m_setTexts();
        return false;
    }

private:
    std::function<void()> m_setTexts;
};
}

void Language::whenLanguageChanges(QObject *owner, std::function<void()> setTexts)
{
    setTexts();
    new LanguageWatch(owner, std::move(setTexts));
}

QStringList Language::paragraphs(const QString &englishResource, int count)
{
    State &s = state();
    const auto known = s.paragraphs.constFind(englishResource);
    if (known != s.paragraphs.cend())
        return *known;
    QStringList texts = readParagraphs(englishResource, count);
    if (s.code != English) {
        QString resource = englishResource;
        resource.insert(resource.lastIndexOf(QLatin1Char('.')), QLatin1Char('_') + s.code);
        const QStringList translated = translatedParagraphs(resource, count);
        for (qsizetype i = 0; i < translated.size(); ++i)
            if (!translated[i].trimmed().isEmpty())
                texts[i] = translated[i];
    }
    s.paragraphs.insert(englishResource, texts);
    return texts;
}
