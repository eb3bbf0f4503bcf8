// The language the program speaks: which one a desktop asks for, the choice
// kept under Help > Language, and the reading texts of each language, every
// text the translation lacks coming in English.
#include "fixture.h"
#include "language.h"
#include "languagemenu.h"
#include "settingsfile.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {
const QStringList Carried{u"en"_s, u"de"_s, u"es"_s, u"zh_CN"_s, u"fr"_s, u"pt_BR"_s, u"ja"_s};

QStringList linesOf(const QString &resource, bool *utf8)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(file.readAll());
    *utf8 = !decode.hasError();
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

// Sets the locale variables for one test and puts them back after it.
class Environment {
public:
    explicit Environment(const QHash<QString, QString> &values)
    {
        for (const char *name : Names) {
            m_saved.insert(QLatin1String(name), qEnvironmentVariable(name));
            qunsetenv(name);
            if (values.contains(QLatin1String(name)))
                qputenv(name, values.value(QLatin1String(name)).toUtf8());
        }
    }
    ~Environment()
    {
        for (const char *name : Names) {
            const QString value = m_saved.value(QLatin1String(name));
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value.toUtf8());
        }
    }

private:
    static constexpr const char *Names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    QHash<QString, QString> m_saved;
};
}

using Variables = QHash<QString, QString>;

class tst_Language : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Language::apply(Language::English); }

    // English first, then every catalogue the build embeds.
    void theBuildCarriesItsLanguages()
    {
        const QStringList available = Language::available();
        QCOMPARE(available.first(), Language::English);
        for (const QString &code : Carried)
            QVERIFY2(available.contains(code), qPrintable(code));
    }

    void eachLanguageNamesItself_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << u"en"_s << u"English"_s;
        QTest::newRow("German") << u"de"_s << u"Deutsch"_s;
        QTest::newRow("Spanish") << u"es"_s << u"Español"_s;
        QTest::newRow("Chinese") << u"zh_CN"_s << u"中文（简体）"_s;
        QTest::newRow("French") << u"fr"_s << u"Français"_s;
        QTest::newRow("Brazilian Portuguese") << u"pt_BR"_s << u"Português (Brasil)"_s;
        QTest::newRow("Japanese") << u"ja"_s << u"日本語"_s;
    }
    void eachLanguageNamesItself()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(Language::nativeName(code), name);
    }

    void desktopLocaleFindsItsLanguage_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a country of the language") << QStringList{u"de_AT.UTF-8"_s} << u"de"_s;
        QTest::newRow("written with a hyphen") << QStringList{u"es-MX"_s} << u"es"_s;
        QTest::newRow("Latin America") << QStringList{u"es_419"_s} << u"es"_s;
        QTest::newRow("Chinese in Singapore, simplified") << QStringList{u"zh_SG.UTF-8"_s} << u"zh_CN"_s;
        QTest::newRow("bare Chinese") << QStringList{u"zh"_s} << u"zh_CN"_s;
        QTest::newRow("traditional Chinese is not simplified") << QStringList{u"zh_TW.UTF-8"_s} << u"en"_s;
        QTest::newRow("Hong Kong") << QStringList{u"zh_HK"_s} << u"en"_s;
        QTest::newRow("French in Canada") << QStringList{u"fr_CA.UTF-8"_s} << u"fr"_s;
        QTest::newRow("Portugal reads the Brazilian") << QStringList{u"pt_PT.UTF-8"_s} << u"pt_BR"_s;
        QTest::newRow("bare Portuguese") << QStringList{u"pt"_s} << u"pt_BR"_s;
        QTest::newRow("Japanese") << QStringList{u"ja_JP.UTF-8"_s} << u"ja"_s;
        QTest::newRow("a language not carried, then one that is") << QStringList{u"it_IT"_s, u"de_DE"_s} << u"de"_s;
        QTest::newRow("C") << QStringList{u"C.UTF-8"_s, u"de_DE"_s} << u"en"_s;
        QTest::newRow("POSIX") << QStringList{u"POSIX"_s} << u"en"_s;
        QTest::newRow("English itself") << QStringList{u"en_GB.UTF-8"_s, u"de"_s} << u"en"_s;
        QTest::newRow("nothing") << QStringList{} << u"en"_s;
        QTest::newRow("garbage") << QStringList{u"!!"_s, u"de_DE@euro"_s} << u"de"_s;
    }
    void desktopLocaleFindsItsLanguage()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, expected);
        QCOMPARE(Language::match(preferred, Carried), expected);
    }

    void localeVariablesDecideInTheirOrder_data()
    {
        QTest::addColumn<Variables>("variables");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LANG alone") << Variables{{u"LANG"_s, u"es_ES.UTF-8"_s}} << u"es"_s;
        QTest::newRow("LANGUAGE's list before LANG")
            << Variables{{u"LANGUAGE"_s, u"it:zh_CN:de"_s}, {u"LANG"_s, u"es_ES.UTF-8"_s}} << u"zh_CN"_s;
        QTest::newRow("LANGUAGE without a language carried, then LANG")
            << Variables{{u"LANGUAGE"_s, u"it:ko"_s}, {u"LANG"_s, u"de_DE.UTF-8"_s}} << u"de"_s;
        QTest::newRow("LC_ALL over LC_MESSAGES and LANG")
            << Variables{{u"LC_ALL"_s, u"de_DE.UTF-8"_s}, {u"LC_MESSAGES"_s, u"es_ES"_s}, {u"LANG"_s, u"zh_CN"_s}} << u"de"_s;
        QTest::newRow("LC_MESSAGES over LANG") << Variables{{u"LC_MESSAGES"_s, u"es_ES"_s}, {u"LANG"_s, u"de_DE"_s}} << u"es"_s;
        QTest::newRow("LC_ALL of a language not carried decides alone")
            << Variables{{u"LC_ALL"_s, u"it_IT.UTF-8"_s}, {u"LANG"_s, u"de_DE.UTF-8"_s}} << u"en"_s;
        QTest::newRow("C leaves LANGUAGE unread") << Variables{{u"LANGUAGE"_s, u"de"_s}, {u"LC_ALL"_s, u"C"_s}} << u"en"_s;
        QTest::newRow("nothing set") << Variables{} << u"en"_s;
    }
    void localeVariablesDecideInTheirOrder()
    {
        QFETCH(Variables, variables);
        QFETCH(QString, expected);
        QCOMPARE(Language::desktopLanguage([&](const char *name) { return variables.value(QLatin1String(name)); },
                                           Carried),
                 expected);
    }

    // Every language carries every reading text the English has, paragraph for paragraph.
    void everyLanguageHasEveryReadingText()
    {
        QStringList english;
        QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.startsWith(QLatin1String(":/tests")) && !QFileInfo(path).completeBaseName().contains(u'_'))
                english << path;
        }
        QCOMPARE(english.size(), 11); // characteristics, 2 readings, 7 cultures, colours
        for (const QString &code : Language::available().mid(1))
            for (const QString &path : english) {
                QString translated = path;
                translated.insert(translated.lastIndexOf(u'.'), QLatin1Char('_') + code);
                bool utf8 = false, englishUtf8 = false;
                const QStringList lines = linesOf(translated, &utf8);
                QVERIFY2(utf8, qPrintable(translated));
                QCOMPARE(lines.size(), linesOf(path, &englishUtf8).size());
                for (const QString &line : lines)
                    QVERIFY2(!line.trimmed().isEmpty() && line == line.trimmed(), qPrintable(translated));
            }
    }

    // What a translation lacks, or holds damaged, comes in English: never
    // an empty text, a shifted paragraph or a stop.
    void missingTextsComeInEnglish_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a blank paragraph") << u":/tests/language/texts.txt"_s << QStringList{u"Eins."_s, u"Two."_s, u"Drei."_s};
        QTest::newRow("a paragraph too few") << u":/tests/language/short.txt"_s << QStringList{u"One."_s, u"Two."_s, u"Three."_s};
        QTest::newRow("not UTF-8") << u":/tests/language/binary.txt"_s << QStringList{u"One."_s, u"Two."_s, u"Three."_s};
        QTest::newRow("no translation") << u":/tests/language/missing.txt"_s << QStringList{u"One."_s, u"Two."_s, u"Three."_s};
    }
    void missingTextsComeInEnglish()
    {
        QFETCH(QString, resource);
        QFETCH(QStringList, expected);
        QCOMPARE(Language::paragraphs(resource, 3), (QStringList{u"One."_s, u"Two."_s, u"Three."_s}));
        Language::apply(QStringLiteral("de"));
        QCOMPARE(Language::paragraphs(resource, 3), expected);
        Language::apply(Language::English);
        QCOMPARE(Language::paragraphs(resource, 3), (QStringList{u"One."_s, u"Two."_s, u"Three."_s}));
    }

    void anUnknownLanguageIsEnglish()
    {
        Language::apply(QStringLiteral("xx_YY"));
        QCOMPARE(Language::current(), Language::English);
        QCOMPARE(QLocale().language(), QLocale::English);
    }

    // The choice is one more entry of the settings file, beside the others,
    // and a value the program does not know means the desktop's language.
    void theChoiceIsKeptForTheNextStart_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a language") << QByteArray("zh_CN") << u"zh_CN"_s;
        QTest::newRow("the desktop's") << QByteArray() << u"es"_s;
        QTest::newRow("unknown") << QByteArray("it") << u"es"_s;
        QTest::newRow("garbled") << QByteArray("d\xff" "e;\x01") << u"es"_s;
    }
    void theChoiceIsKeptForTheNextStart()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, expected);
        const Environment desktop({{QStringLiteral("LANG"), QStringLiteral("es_ES.UTF-8")}});
        TestServices t;
        Services services = t.services();
        QVERIFY(SettingsFile::store(t.settings.filePath(), "Duration", "kept"));
        QVERIFY(SettingsFile::store(t.settings.filePath(), "Language", stored));
        QCOMPARE(startLanguage(services), expected);
        QCOMPARE(SettingsFile::value(t.settings.filePath(), "Duration"), QByteArray("kept"));
    }

    // Help > Language lists the desktop's language and each language in its
    // own name; a choice applies at once, is checked, and is kept.
    void helpLanguageAppliesAndKeepsTheChoice()
    {
        const Environment desktop({{QStringLiteral("LANG"), QStringLiteral("es_ES.UTF-8")}});
        OracleFixture f;
        QVERIFY(SettingsFile::store(f.t.settings.filePath(), "Duration", "kept"));
        auto *menu = f.child<QMenu>("mnuLanguage");
        QVERIFY(menu);
        const auto items = [menu] {
            emit menu->aboutToShow();
            QList<QAction *> chosen;
            for (QAction *action : menu->actions())
                if (!action->isSeparator())
                    chosen << action;
            return chosen;
        };
        QStringList names;
        for (QAction *item : items())
            names << item->text();
        QCOMPARE(names.size(), Language::available().size() + 1);
        QCOMPARE(names.first(), u"Desktop language"_s);
        for (const QString &name : {u"English"_s, u"Deutsch"_s, u"Español"_s, u"中文（简体）"_s})
            QVERIFY2(names.contains(name), qPrintable(name));
        QVERIFY(items().at(0)->isChecked());

        items().at(2)->trigger();
        QCOMPARE(Language::current(), QStringLiteral("de"));
        QCOMPARE(SettingsFile::value(f.t.settings.filePath(), "Language"), QByteArray("de"));
        QCOMPARE(SettingsFile::value(f.t.settings.filePath(), "Duration"), QByteArray("kept"));
        QVERIFY(items().at(2)->isChecked());
        QVERIFY(!items().at(0)->isChecked());

        items().at(0)->trigger(); // the desktop's again
        QCOMPARE(Language::current(), QStringLiteral("es"));
        QCOMPARE(SettingsFile::value(f.t.settings.filePath(), "Language"), QByteArray());
        QVERIFY(items().at(0)->isChecked());
    }
};

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
