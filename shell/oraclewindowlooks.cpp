#include "oraclewindowlooks.h"

#include <QCoreApplication>
#include <cstring>

namespace {
using Strip = PromotionLayout::Strip;
using Front = PromotionLayout::Front;
using Update = MenuBarLook::UpdateCaption;

const QColor Orange(255, 128, 0);
const QColor Blue(0, 0, 255);
const QColor Plum(64, 0, 64);
const QColor PaleCyan(192, 255, 255);
const QColor Pink(255, 192, 255);
const QColor ButtonFace; // invalid: the desktop's button colour

const OracleWindowLook::BackItem FileBack{"mnuFileBack", QT_TRANSLATE_NOOP("OracleWindow", "&Back")};
}

const std::vector<OracleWindowLook> &OracleWindowLooks()
{
    static const std::vector<OracleWindowLook> looks{
        {"frmDominoOracleMain",
         {.top = Strip{{1, 0, 436, 41}, Qt::black},
          .banner = {0, 8, 440, 31},
          .bannerText = Orange,
          .bottom = Strip{{1, 256, 436, 60}, Qt::black},
          .brand = {8, 11, 423, 41},
          .brandText = Blue,
          .brandBackground = ButtonFace,
          .brandAlignment = Qt::AlignHCenter,
          .front = Front::FullBrand,
          .coBrandLinkFollowsDirectly = true},
         Update::SoftwareUpdate,
         "mkmoney",
         {}},
        {"frmDominoOracleDisplay",
         {.top = Strip{{0, 0, 577, 41}, Qt::black},
          .banner = {8, 8, 560, 39},
          .bannerText = Orange,
          .bottom = Strip{{0, 312, 577, 65}, Qt::black},
          .brand = {8, 16, 391, 41},
          .brandText = Blue,
          .brandBackground = ButtonFace,
          .brandAlignment = Qt::AlignLeft,
          .front = Front::CoBrand,
          .coBrandLinkFollowsDirectly = true},
         Update::CheckFor,
         "mkmoney",
         FileBack},
        {"frmMahjongOracleMain",
         {.top = Strip{{1, 0, 436, 41}, Qt::black},
          .banner = {0, 8, 440, 31},
          .bannerText = Orange,
          .bottom = Strip{{1, 256, 436, 60}, Qt::black},
          .brand = {8, 11, 415, 41},
          .brandText = Blue,
          .brandBackground = ButtonFace,
          .brandAlignment = Qt::AlignHCenter,
          .front = Front::CoBrand,
          .coBrandLinkFollowsDirectly = true},
         Update::SoftwareUpdate,
         "mkmoney",
         {}},
        {"frmMahjongOracleDisplay",
         {.top = Strip{{0, 0, 681, 41}, Qt::black},
          .banner = {8, 8, 664, 39},
          .bannerText = Orange,
          .bottom = Strip{{0, 376, 681, 65}, Qt::black},
          .brand = {16, 16, 463, 41},
          .brandText = Blue,
          .brandBackground = ButtonFace,
          .brandAlignment = Qt::AlignLeft,
          .front = Front::CoBrand,
          .coBrandLinkFollowsDirectly = true},
         Update::CheckFor,
         "mkmoney",
         FileBack},
        {"frmGoodLuckSymbolOracleMain",
         {.top = Strip{{1, 0, 564, 41}, Qt::white},
          .banner = {1, 8, 560, 31},
          .bannerText = Plum,
          .bottom = Strip{{0, 328, 564, 52}, Qt::white},
          .brand = {6, 8, 551, 41},
          .brandText = Plum,
          .brandBackground = Qt::white,
          .brandAlignment = Qt::AlignHCenter,
          .front = Front::FullBrand},
         Update::SoftwareUpdate,
         "mkmoney",
         {}},
        {"frmGoodLuckSymbolOracleDisplay",
         {.top = Strip{{0, 0, 593, 40}, Qt::white},
          .banner = {8, 8, 560, 39},
          .bannerText = Plum,
          .bottom = Strip{{0, 400, 593, 57}, Qt::white},
          .brand = {8, 11, 407, 41},
          .brandText = Plum,
          .brandBackground = Qt::white,
          .brandAlignment = Qt::AlignLeft,
          .front = Front::CoBrand},
         Update::CheckFor,
         "mkmoney",
         FileBack},
        {"frmCelticOghamOracleMain",
         {.top = Strip{{0, 0, 497, 41}, PaleCyan},
          .banner = {8, 8, 480, 31},
          .bannerText = Qt::black,
          .bannerPointSize = 9,
          .bottom = Strip{{0, 296, 497, 57}, PaleCyan},
          .brand = {8, 11, 479, 41},
          .brandText = Qt::black,
          .brandBackground = PaleCyan,
          .brandAlignment = Qt::AlignHCenter,
          .front = Front::CoBrand},
         Update::CheckFor,
         "mnumakemoney",
         {}},
        {"frmCelticOghamOracleDisplay",
         {.banner = {37, 0, 816, 31},
          .bannerText = Qt::black,
          .bannerPointSize = 9.75,
          .bottom = Strip{{0, 504, 889, 41}, PaleCyan},
          .brand = {8, 8, 703, 27},
          .brandText = Qt::black,
          .brandBackground = PaleCyan,
          .brandAlignment = Qt::AlignLeft,
          .front = Front::CoBrand},
         Update::SoftwareUpdate,
         "mnumakemoney",
         {"mnuBack", QT_TRANSLATE_NOOP("OracleWindow", "Back")}},
        {"frmMysticColorOracleMain",
         {.banner = {28, 6, 322, 39},
          .bannerText = Pink,
          .brand = {1, 239, 377, 53},
          .brandText = Pink,
          .brandBackground = Qt::black,
          .brandAlignment = Qt::AlignHCenter,
          .front = Front::CoBrand},
         Update::CheckFor,
         "mnuMakeMoney",
         {}},
    };
    return looks;
}

const OracleWindowLook *oracleWindowLook(const char *window)
{
    for (const OracleWindowLook &look : OracleWindowLooks())
        if (std::strcmp(look.window, window) == 0)
            return &look;
    return nullptr;
}
