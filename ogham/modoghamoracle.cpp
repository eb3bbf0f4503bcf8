#include "modoghamoracle.h"

#include "oracletables.h"
#include "services.h"

#include <array>

namespace {

struct Row {
    const char *TreeName, *Keywords, *RulingPlanet, *RulingAnimal, *OghamTerm;
    const char *LuckyColor, *LuckyMonth, *LuckyLetter, *LuckyGemstone, *LuckyFlower;
};

// Values exactly as they are shown, trailing blanks and open quotes included.
constexpr std::array<Row, OghamTreeCount> Rows{{
    {"The Birch Tree", "Ambition, Ideals", "Sun", "The White Stag", "Beith", "White", "November", "'B'", "Rock Crystal",
     "Common Daisy"},
    {"The Rowan Tree", "Inspiration, Creativity", "Uranus", "The Dragon ", "Luis", "Red/Grey", "December", "'L'",
     "Peridot", "Snowdrop"},
    {"The Ash Tree ", "Wisdom, Energy", "Neptune", "The Adder", "Nion", "Green", "March", "'N", "Coral",
     "Wood Anemone,Buttercup"},
    {"The Alder Tree ", "Cunningness, Skill", "Mars", "The Fox", "Fern", "Crimson", "January", "'F,V'", "Ruby",
     "Broom"},
    {"The Willow Tree ", "Adapt, Adjustments", "Moon", "The Hare", "Saille", "Any bright color", "February", "'S'",
     "Moonstone", "Primrose"},
    {"The Hawthorn Tree ", "Patience, Wisdom", "Vulcan", "The Owl", "Uath", "Purple", "April/ May", "'H'", "Topaz",
     "Wood Sorrel"},
    {"The Oak Tree", "Simplicity, Wit", "Jupiter", "The Wren", "Duir", "Black and dark brown", "May", "'D'", "Diamond",
     "Coltsfoot"},
    {"The Holly Tree", "Strength, Purity", "Earth", "The Unicorn", "Tinn", "Dark grey", "June", "'T'", "Red Carnelian",
     "Vervain"},
    {"The Hazel Tree", "Inspiration", "Mercury", "The Salmon", "Coll", "Brown", "July", "'K,C'", "Amethyst",
     "Valerian"},
    {"The Vine", "Beauty, Grace", "Venus", "The Swan", "Muin", "All multi-hued colors", "August", "'M'", "Emerald",
     "Valerian"},
    {"The Ivy", "Colorful Nature, Faith", "Persephone", "The Butterfly  ", "Gort", "Sky blue", "September", "'G'",
     "Opal", "Woody Nightshade"},
    {"The Reed", "Loyalty, Honor", "Pluto", "The Hound Dog ", "Ngetal", "Grass green", "October", "'N,G", "Jasper",
     "Water Mint"},
    {"The Elder Tree", "Ambition, Patience", "Saturn", "The Raven ", "Ruis", "Red", "The month of Samhain", "'R'",
     "Jet or Black Amber", "Dandelion"},
}};

std::array<OghamTree, OghamTreeCount> buildTable()
{
    const QStringList texts = readParagraphs(QStringLiteral(":/ogham/characteristics.txt"), OghamTreeCount);
    std::array<OghamTree, OghamTreeCount> table;
    for (int i = 0; i < OghamTreeCount; ++i) {
        const Row &r = Rows[i];
        table[i] = {QLatin1String(r.TreeName),
                    QLatin1String(r.Keywords),
                    QLatin1String(r.RulingPlanet),
                    QLatin1String(r.RulingAnimal),
                    QLatin1String(r.OghamTerm),
                    QLatin1String(r.LuckyColor),
                    QLatin1String(r.LuckyMonth),
                    QLatin1String(r.LuckyLetter),
                    QLatin1String(r.LuckyGemstone),
                    QLatin1String(r.LuckyFlower),
                    texts[i]};
    }
    return table;
}

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
    static const std::array<OghamTree, OghamTreeCount> table = buildTable();
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

QList<OghamAttribute> OghamTreeAttributes(const OghamTree &tree)
{
    return {
        {QStringLiteral("Keywords"), tree.Keywords},          {QStringLiteral("Ruling Planet"), tree.RulingPlanet},
        {QStringLiteral("Ruling Animal"), tree.RulingAnimal}, {QStringLiteral("Ogham Term"), tree.OghamTerm},
        {QStringLiteral("Lucky Color"), tree.LuckyColor},     {QStringLiteral("Lucky Month"), tree.LuckyMonth},
        {QStringLiteral("Lucky Letter"), tree.LuckyLetter},   {QStringLiteral("Lucky Gemstone"), tree.LuckyGemstone},
        {QStringLiteral("Lucky Flower"), tree.LuckyFlower}};
}
