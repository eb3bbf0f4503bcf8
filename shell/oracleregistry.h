#pragma once
// The five oracles as the main window knows them, numbered by OracleId,
// and the Library of their pieces.
#include <QCoreApplication>
#include <QString>
#include <array>
#include <functional>

class OracleHost;
class OracleWindow;

enum OracleId { CelticOgham = 0, Domino = 1, GoodLuck = 2, Mahjong = 3, MysticalColor = 4 };
inline constexpr int OracleCount = 5;

// Each oracle's icon, beside its button and on its windows.
inline constexpr std::array<const char *, OracleCount> OracleIcon{
    ":/ogham/icon.png", ":/domino/icon.png", ":/goodluck/icon.png", ":/mahjong/icon.png", ":/colour/icon.png"};

// Each oracle's name, as a copied or saved reading is titled.
inline constexpr std::array<const char *, OracleCount> OracleName{
    QT_TRANSLATE_NOOP("OracleNames", "Celtic Ogham"), QT_TRANSLATE_NOOP("OracleNames", "Domino"),
    QT_TRANSLATE_NOOP("OracleNames", "Good Luck Symbol"), QT_TRANSLATE_NOOP("OracleNames", "Mahjong"),
    QT_TRANSLATE_NOOP("OracleNames", "Mystical Color")};
// That name in the language in use.
inline QString oracleName(int id)
{
    return QCoreApplication::translate("OracleNames", OracleName.at(id));
}

// Every oracle window, in the order the launcher closes them.
inline constexpr std::array<const char *, 9> OracleWindowClosingOrder{
    "frmCelticOghamOracleDisplay", "frmCelticOghamOracleMain",       "frmDominoOracleDisplay",
    "frmDominoOracleMain",         "frmGoodLuckSymbolOracleDisplay", "frmGoodLuckSymbolOracleMain",
    "frmMahjongOracleDisplay",     "frmMahjongOracleMain",           "frmMysticColorOracleMain"};

// Makes (or finds) an oracle's start window.
using StartWindowFactory = std::function<OracleWindow *(OracleHost &)>;

// The start window of each oracle, by OracleId, and the Oracle Library,
// which reads all five.
struct OracleRegistry {
    std::array<StartWindowFactory, OracleCount> start;
    StartWindowFactory library;

    StartWindowFactory &operator[](int id) { return start.at(id); }
    const StartWindowFactory &operator[](int id) const { return start.at(id); }
};
