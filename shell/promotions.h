#pragma once
// The three promotional link labels every oracle window carries: the banner
// `Label61` in a top strip, and `lblFullBrand` / `lblCobrand` sharing one
// rectangle in a bottom strip, only one of them in front.
#include <QColor>
#include <QRect>
#include <optional>

class QWidget;
struct Services;

struct PromotionLayout {
    struct Strip {
        QRect rect; // in the window's client area
        QColor colour;
    };
    std::optional<Strip> top = {}; // no strip: the banner sits on the window
    QRect banner = {};             // relative to the top strip, or to the window
    QColor bannerText = {};
    qreal bannerPointSize = 8.25;

    std::optional<Strip> bottom = {};
    QRect brand = {}; // relative to the bottom strip, or to the window
    QColor brandText = {};
    QColor brandBackground = {}; // invalid: the system button colour
    Qt::Alignment brandAlignment = Qt::AlignLeft;
    enum class Front { FullBrand, CoBrand } front = Front::CoBrand;
    bool coBrandLinkFollowsDirectly = false; // no blanks before its last sentence
};

void placePromotions(QWidget *window, Services &services, const PromotionLayout &layout);
