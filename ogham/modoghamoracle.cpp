#include "modoghamoracle.h"

#include "language.h"
#include "oracletables.h"
#include "services.h"

#include <QCoreApplication>
#include <array>

namespace {

struct Row {
    const char *TreeName, *Keywords, *RulingPlanet, *RulingAnimal, *OghamTerm;
    const char *LuckyColor, *LuckyMonth, *LuckyLetter, *LuckyGemstone, *LuckyFlower;
};

// Values exactly as they are shown, trailing blanks and open quotes included.
constexpr std::array<Row, OghamTreeCount> Rows{{
    {QT_TRANSLATE_NOOP("OghamTrees", "The Birch Tree"), QT_TRANSLATE_NOOP("OghamTrees", "Ambition, Ideals"),
     QT_TRANSLATE_NOOP("OghamTrees", "Sun"), QT_TRANSLATE_NOOP("OghamTrees", "The White Stag"), "Beith",
     QT_TRANSLATE_NOOP("OghamTrees", "White"), QT_TRANSLATE_NOOP("OghamTrees", "November"), "'B'",
     QT_TRANSLATE_NOOP("OghamTrees", "Rock Crystal"), QT_TRANSLATE_NOOP("OghamTrees", "Common Daisy")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Rowan Tree"), QT_TRANSLATE_NOOP("OghamTrees", "Inspiration, Creativity"),
     QT_TRANSLATE_NOOP("OghamTrees", "Uranus"), QT_TRANSLATE_NOOP("OghamTrees", "The Dragon "), "Luis",
     QT_TRANSLATE_NOOP("OghamTrees", "Red/Grey"), QT_TRANSLATE_NOOP("OghamTrees", "December"), "'L'",
     QT_TRANSLATE_NOOP("OghamTrees", "Peridot"), QT_TRANSLATE_NOOP("OghamTrees", "Snowdrop")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Ash Tree "), QT_TRANSLATE_NOOP("OghamTrees", "Wisdom, Energy"),
     QT_TRANSLATE_NOOP("OghamTrees", "Neptune"), QT_TRANSLATE_NOOP("OghamTrees", "The Adder"), "Nion",
     QT_TRANSLATE_NOOP("OghamTrees", "Green"), QT_TRANSLATE_NOOP("OghamTrees", "March"), "'N",
     QT_TRANSLATE_NOOP("OghamTrees", "Coral"), QT_TRANSLATE_NOOP("OghamTrees", "Wood Anemone,Buttercup")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Alder Tree "), QT_TRANSLATE_NOOP("OghamTrees", "Cunningness, Skill"),
     QT_TRANSLATE_NOOP("OghamTrees", "Mars"), QT_TRANSLATE_NOOP("OghamTrees", "The Fox"), "Fern",
     QT_TRANSLATE_NOOP("OghamTrees", "Crimson"), QT_TRANSLATE_NOOP("OghamTrees", "January"), "'F,V'",
     QT_TRANSLATE_NOOP("OghamTrees", "Ruby"), QT_TRANSLATE_NOOP("OghamTrees", "Broom")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Willow Tree "), QT_TRANSLATE_NOOP("OghamTrees", "Adapt, Adjustments"),
     QT_TRANSLATE_NOOP("OghamTrees", "Moon"), QT_TRANSLATE_NOOP("OghamTrees", "The Hare"), "Saille",
     QT_TRANSLATE_NOOP("OghamTrees", "Any bright color"), QT_TRANSLATE_NOOP("OghamTrees", "February"), "'S'",
     QT_TRANSLATE_NOOP("OghamTrees", "Moonstone"), QT_TRANSLATE_NOOP("OghamTrees", "Primrose")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Hawthorn Tree "), QT_TRANSLATE_NOOP("OghamTrees", "Patience, Wisdom"),
     QT_TRANSLATE_NOOP("OghamTrees", "Vulcan"), QT_TRANSLATE_NOOP("OghamTrees", "The Owl"), "Uath",
     QT_TRANSLATE_NOOP("OghamTrees", "Purple"), QT_TRANSLATE_NOOP("OghamTrees", "April/ May"), "'H'",
     QT_TRANSLATE_NOOP("OghamTrees", "Topaz"), QT_TRANSLATE_NOOP("OghamTrees", "Wood Sorrel")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Oak Tree"), QT_TRANSLATE_NOOP("OghamTrees", "Simplicity, Wit"),
     QT_TRANSLATE_NOOP("OghamTrees", "Jupiter"), QT_TRANSLATE_NOOP("OghamTrees", "The Wren"), "Duir",
     QT_TRANSLATE_NOOP("OghamTrees", "Black and dark brown"), QT_TRANSLATE_NOOP("OghamTrees", "May"), "'D'",
     QT_TRANSLATE_NOOP("OghamTrees", "Diamond"), QT_TRANSLATE_NOOP("OghamTrees", "Coltsfoot")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Holly Tree"), QT_TRANSLATE_NOOP("OghamTrees", "Strength, Purity"),
     QT_TRANSLATE_NOOP("OghamTrees", "Earth"), QT_TRANSLATE_NOOP("OghamTrees", "The Unicorn"), "Tinn",
     QT_TRANSLATE_NOOP("OghamTrees", "Dark grey"), QT_TRANSLATE_NOOP("OghamTrees", "June"), "'T'",
     QT_TRANSLATE_NOOP("OghamTrees", "Red Carnelian"), QT_TRANSLATE_NOOP("OghamTrees", "Vervain")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Hazel Tree"), QT_TRANSLATE_NOOP("OghamTrees", "Inspiration"),
     QT_TRANSLATE_NOOP("OghamTrees", "Mercury"), QT_TRANSLATE_NOOP("OghamTrees", "The Salmon"), "Coll",
     QT_TRANSLATE_NOOP("OghamTrees", "Brown"), QT_TRANSLATE_NOOP("OghamTrees", "July"), "'K,C'",
     QT_TRANSLATE_NOOP("OghamTrees", "Amethyst"), QT_TRANSLATE_NOOP("OghamTrees", "Valerian")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Vine"), QT_TRANSLATE_NOOP("OghamTrees", "Beauty, Grace"),
     QT_TRANSLATE_NOOP("OghamTrees", "Venus"), QT_TRANSLATE_NOOP("OghamTrees", "The Swan"), "Muin",
     QT_TRANSLATE_NOOP("OghamTrees", "All multi-hued colors"), QT_TRANSLATE_NOOP("OghamTrees", "August"), "'M'",
     QT_TRANSLATE_NOOP("OghamTrees", "Emerald"), QT_TRANSLATE_NOOP("OghamTrees", "Valerian")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Ivy"), QT_TRANSLATE_NOOP("OghamTrees", "Colorful Nature, Faith"),
     QT_TRANSLATE_NOOP("OghamTrees", "Persephone"), QT_TRANSLATE_NOOP("OghamTrees", "The Butterfly  "), "Gort",
     QT_TRANSLATE_NOOP("OghamTrees", "Sky blue"), QT_TRANSLATE_NOOP("OghamTrees", "September"), "'G'",
     QT_TRANSLATE_NOOP("OghamTrees", "Opal"), QT_TRANSLATE_NOOP("OghamTrees", "Woody Nightshade")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Reed"), QT_TRANSLATE_NOOP("OghamTrees", "Loyalty, Honor"),
     QT_TRANSLATE_NOOP("OghamTrees", "Pluto"), QT_TRANSLATE_NOOP("OghamTrees", "The Hound Dog "), "Ngetal",
     QT_TRANSLATE_NOOP("OghamTrees", "Grass green"), QT_TRANSLATE_NOOP("OghamTrees", "October"), "'N,G",
     QT_TRANSLATE_NOOP("OghamTrees", "Jasper"), QT_TRANSLATE_NOOP("OghamTrees", "Water Mint")},
    {QT_TRANSLATE_NOOP("OghamTrees", "The Elder Tree"), QT_TRANSLATE_NOOP("OghamTrees", "Ambition, Patience"),
     QT_TRANSLATE_NOOP("OghamTrees", "Saturn"), QT_TRANSLATE_NOOP("OghamTrees", "The Raven "), "Ruis",
     QT_TRANSLATE_NOOP("OghamTrees", "Red"), QT_TRANSLATE_NOOP("OghamTrees", "The month of Samhain"), "'R'",
     QT_TRANSLATE_NOOP("OghamTrees", "Jet or Black Amber"), QT_TRANSLATE_NOOP("OghamTrees", "Dandelion")},
}};

QString shown(const char *english)
{
    return QCoreApplication::translate("OghamTrees", english);
}

// The Ogham terms and letters are the alphabet's own: they read the same in every language.
std::array<OghamTree, OghamTreeCount> buildTable()
{
    const QStringList texts = Language::paragraphs(QStringLiteral(":/ogham/characteristics.txt"), OghamTreeCount);
    std::array<OghamTree, OghamTreeCount> table;
    for (int i = 0; i < OghamTreeCount; ++i) {
        const Row &r = Rows[i];
        table[i] = {shown(r.TreeName),
                    shown(r.Keywords),
                    shown(r.RulingPlanet),
                    shown(r.RulingAnimal),
                    QLatin1String(r.OghamTerm),
                    shown(r.LuckyColor),
                    shown(r.LuckyMonth),
                    QLatin1String(r.LuckyLetter),
                    shown(r.LuckyGemstone),
                    shown(r.LuckyFlower),
                    texts[i]};
    }
    return table;
}

// The nine attributes' captions, in the order a reading shows them.
constexpr std::array<const char *, 9> AttributeCaptions{
    QT_TRANSLATE_NOOP("OghamTrees", "Keywords"),      QT_TRANSLATE_NOOP("OghamTrees", "Ruling Planet"),
    QT_TRANSLATE_NOOP("OghamTrees", "Ruling Animal"), QT_TRANSLATE_NOOP("OghamTrees", "Ogham Term"),
    QT_TRANSLATE_NOOP("OghamTrees", "Lucky Color"),   QT_TRANSLATE_NOOP("OghamTrees", "Lucky Month"),
    QT_TRANSLATE_NOOP("OghamTrees", "Lucky Letter"),  QT_TRANSLATE_NOOP("OghamTrees", "Lucky Gemstone"),
    QT_TRANSLATE_NOOP("OghamTrees", "Lucky Flower")};

int candidate(RandomSource &random)
{
    return itemNumber(random.next(), OghamTreeCount);
}

}

QString OghamTreeEnglishName(int n)
{
    return QLatin1String(Rows.at(n - 1).TreeName);
}

const OghamTree &OghamTrees(int n)
{
    // Rebuilt in place at the first look-up in a new language: the rows
    // already handed out stay valid.
    static std::array<OghamTree, OghamTreeCount> table;
    static int built = -1;
    if (built != Language::generation()) {
        table = buildTable();
        built = Language::generation();
    }
    return table.at(n - 1);
}

OghamReading DrawOghamTrees(RandomSource &random)
{
    OghamReading reading;
    reading.PastTree = candidate(random);
    do
        reading.PresentTree = candidate(random);
    while (reading.PresentTree == reading.PastTree);
    do
        reading.FutureTree = candidate(random);
    while (reading.FutureTree == reading.PastTree || reading.FutureTree == reading.PresentTree);
    return reading;
}

QStringList OghamAttributeCaptions()
{
    QStringList captions;
    for (const char *caption : AttributeCaptions)
        captions << shown(caption);
    return captions;
}

QList<OghamAttribute> OghamTreeAttributes(const OghamTree &tree)
{
    const QStringList captions = OghamAttributeCaptions();
    const QString values[] = {tree.Keywords,   tree.RulingPlanet, tree.RulingAnimal,  tree.OghamTerm,  tree.LuckyColor,
                              tree.LuckyMonth, tree.LuckyLetter,  tree.LuckyGemstone, tree.LuckyFlower};
    QList<OghamAttribute> attributes;
    for (qsizetype i = 0; i < captions.size(); ++i)
        attributes.append({captions[i], values[i]});
    return attributes;
}
