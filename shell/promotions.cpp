#include "promotions.h"

#include "clickable.h"
#include "language.h"
#include "look.h"
#include "modhelp.h"
#include "services.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

namespace {

struct Promotions {
    Q_DECLARE_TR_FUNCTIONS(Promotions)
};

QString bannerText()
{
    return Promotions::tr("The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. "
                          "Come and join us at %1")
        .arg(QStringLiteral("www.augurium.example"));
}

QString fullBrandText()
{
    return Promotions::tr("Home Business Opportunity. Start your own Internet business and make money online. "
                          "Get this software fully branded for your website. Click here for more details.");
}

QString coBrandText(bool followsDirectly)
{
    return Promotions::tr("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                          "Put your site's name &  link here. See \"Help\" for details.")
           + (followsDirectly ? QString() : QStringLiteral("    "))
           + Promotions::tr("Click Here for more info on co-branding.");
}

// The design's button colour where the design leaves it to the system: a
// style sheet's palette(button) would take a dark desktop theme's instead.
QString colourCss(const QColor &colour)
{
    return (colour.isValid() ? colour : designPalette().color(QPalette::Button)).name();
}

QWidget *strip(QWidget *window, const char *name, const std::optional<PromotionLayout::Strip> &strip)
{
    if (!strip)
        return window;
    auto *frame = new QFrame(window);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(strip->rect);
    frame->setStyleSheet(
        QStringLiteral("#%1 { background-color: %2; }").arg(QLatin1String(name), strip->colour.name()));
    frame->lower(); // the window's own controls in the strip stay on top
    frame->show();
    return frame;
}

QLabel *link(QWidget *parent, const char *name, const QString &text, const QRect &rect, const QString &look,
             Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("font-weight: bold; text-decoration: underline; ") + look);
    label->show();
    return label;
}

}

void placePromotions(QWidget *window, Services &services, const PromotionLayout &layout)
{
    QWidget *top = strip(window, "picBannerStrip", layout.top);
    QLabel *banner = link(top, "Label61", QString(), layout.banner,
                          QStringLiteral("color: %1; background: transparent; font-size: %2pt;")
                              .arg(layout.bannerText.name())
                              .arg(layout.bannerPointSize),
                          Qt::AlignHCenter);
    makeClickable(
        banner, [&services] { OpenHomePage(services.urls); }, Pointer::LinkAlt);

    QWidget *bottom = strip(window, "picBrandStrip", layout.bottom);
    const QString brandLook = QStringLiteral("color: %1; background-color: %2;")
                                  .arg(layout.brandText.name(), colourCss(layout.brandBackground));
    QLabel *fullBrand = link(bottom, "lblFullBrand", QString(), layout.brand, brandLook, layout.brandAlignment);
    makeClickable(
        fullBrand, [&services] { OpenFullyBrandedPage(services.urls); }, Pointer::Link);
    QLabel *coBrand = link(bottom, "lblCobrand", QString(), layout.brand, brandLook, layout.brandAlignment);
    makeClickable(
        coBrand, [&services] { OpenCoBrandPage(services.urls); }, Pointer::LinkAlt);

    Language::whenLanguageChanges(window, [=, followsDirectly = layout.coBrandLinkFollowsDirectly] {
        banner->setText(bannerText());
        fullBrand->setText(fullBrandText());
        coBrand->setText(coBrandText(followsDirectly));
    });

    // Both fill the same opaque rectangle: the one behind can never be seen or clicked.
    QLabel *front = layout.front == PromotionLayout::Front::FullBrand ? fullBrand : coBrand;
    QLabel *back = front == fullBrand ? coBrand : fullBrand;
    front->raise();
    front->show();
    back->hide();
}
