#include "frmcelticoghamoracledisplay.h"
#include "ui_frmcelticoghamoracledisplay.h"

#include "clickable.h"
#include "frmcelticoghamoraclemain.h"
#include "modhelp.h"
#include "modoghamoracle.h"
#include "oghampictures.h"
#include "oracleregistry.h"
#include "promotions.h"
#include "services.h"

#include <QAction>

frmCelticOghamOracleDisplay::frmCelticOghamOracleDisplay(OracleHost &host)
    : OracleWindow(host, QLatin1String(OracleIcon[CelticOgham]))
    , ui(std::make_unique<Ui::frmCelticOghamOracleDisplay>())
{
    ui->setupUi(this);
#define OGHAM_PANEL(n)                                                                                      \
    Panel{ui->lblTreeName##n,                                                                               \
          {ui->lblKeywords##n, ui->lblRulingPlanet##n, ui->lblRulingAnimal##n, ui->lblOghamTerm##n,         \
           ui->lblLuckyColor##n, ui->lblLuckyMonth##n, ui->lblLuckyLetter##n, ui->lblLuckyGemstone##n,      \
           ui->lblLuckyFlower##n},                                                                          \
          ui->txtCharacteristics##n, ui->picImage##n}
    m_panels = {OGHAM_PANEL(One), OGHAM_PANEL(Two), OGHAM_PANEL(Three)};
#undef OGHAM_PANEL

    PromotionLayout promotions;
    promotions.banner = QRect(37, 0, 816, 31);
    promotions.bannerText = Qt::black;
    promotions.bannerPointSize = 9.75;
    promotions.bottom = PromotionLayout::Strip{QRect(0, 504, 889, 41), QColor(0xC0, 0xFF, 0xFF)};
    promotions.brand = QRect(8, 8, 703, 27);
    promotions.brandText = Qt::black;
    promotions.brandBackground = QColor(0xC0, 0xFF, 0xFF);
    placePromotions(this, services(), promotions);

    // The present panel's "Ruling Animal" caption is a quiet way to the co-branding page.
    makeClickable(ui->lblCaptionRulingAnimalTwo, [this] { OpenCoBrandPage(services().urls); });

    auto *mnuBack = new QAction(QStringLiteral("Back"), this);
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    connect(mnuBack, &QAction::triggered, this, &frmCelticOghamOracleDisplay::cmdBack_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmCelticOghamOracleDisplay::cmdBack_Click);
    setMenuBar({MenuBarLook::UpdateCaption::SoftwareUpdate, QStringLiteral("mnumakemoney"), {mnuBack}});
}

frmCelticOghamOracleDisplay::~frmCelticOghamOracleDisplay() = default;

void frmCelticOghamOracleDisplay::showTree(Position position, int tree)
{
    const OghamTree &row = OghamTrees(tree);
    const Panel &panel = m_panels.at(position);
    panel.lblTreeName->setText(row.TreeName);
    const std::array<const QString *, 9> values{&row.Keywords, &row.RulingPlanet, &row.RulingAnimal,
                                                &row.OghamTerm, &row.LuckyColor, &row.LuckyMonth,
                                                &row.LuckyLetter, &row.LuckyGemstone, &row.LuckyFlower};
    for (std::size_t i = 0; i < values.size(); ++i)
        panel.values[i]->setText(*values[i]);
    panel.txtCharacteristics->setPlainText(row.Characteristics);
    panel.picImage->setPixmap(IMGTree().picture(tree, devicePixelRatio()));
}

void frmCelticOghamOracleDisplay::cmdBack_Click()
{
    if (OracleWindow *question = host().findOracleWindow(QStringLiteral("frmCelticOghamOracleMain")))
        question->showWindow();
    closeWindow();
    host().setWelcomeVisible(false);
}
