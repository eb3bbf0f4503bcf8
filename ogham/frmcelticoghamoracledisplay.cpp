#include "frmcelticoghamoracledisplay.h"
#include "ui_frmcelticoghamoracledisplay.h"

#include "clickable.h"
#include "modhelp.h"
#include "modoghamoracle.h"
#include "oghampictures.h"
#include "services.h"

#include <QLabel>

frmCelticOghamOracleDisplay::frmCelticOghamOracleDisplay(OracleHost &host)
    : OracleWindow(host, CelticOgham)
    , ui(std::make_unique<Ui::frmCelticOghamOracleDisplay>())
{
    ui->setupUi(this);
    ui->fraTreeOne->setUp(QStringLiteral("The Past"), QStringLiteral("One"));
    ui->fraTreeTwo->setUp(QStringLiteral("The Present"), QStringLiteral("Two"));
    ui->fraTreeThree->setUp(QStringLiteral("The Future"), QStringLiteral("Three"));
    ui->fraTreeThree->picture()->move(80, 48);

    // The present panel's "Ruling Animal" caption is a quiet way to the co-branding page.
    makeClickable(ui->fraTreeTwo->rulingAnimalCaption(), [this] { OpenCoBrandPage(services().urls); });
    // Quiet to the keyboard and screen readers too: to them a caption that
    // opened a web page would be a surprise, and the co-branding link below
    // leads to the same page.
    ui->fraTreeTwo->rulingAnimalCaption()->setFocusPolicy(Qt::NoFocus);
    connectBack(ui->cmdBack, &frmCelticOghamOracleDisplay::cmdBack_Click);
    // Tab reads the paragraphs as they stand, left to right, then goes Back.
    setTabOrder(ui->fraTreeOne->characteristics(), ui->fraTreeThree->characteristics());
    setTabOrder(ui->fraTreeThree->characteristics(), ui->fraTreeTwo->characteristics());
    setTabOrder(ui->fraTreeTwo->characteristics(), ui->cmdBack);
    // The reading opens on the past's paragraph, which a screen reader names
    // by its time and tree.
    focusWhenShown(ui->fraTreeOne->characteristics());
    offerReadingCommands();
}

frmCelticOghamOracleDisplay::~frmCelticOghamOracleDisplay() = default;

void frmCelticOghamOracleDisplay::FillOghamReading(const OghamReading &reading, const QString &question)
{
    ReadingDescription described = newReading();
    if (!question.isEmpty())
        described.asked = {{QStringLiteral("Question"), question}};
    // Left to right, as the panels stand.
    for (const auto &[panel, tree] :
         {std::pair{ui->fraTreeOne, reading.PastTree}, std::pair{ui->fraTreeThree, reading.FutureTree},
          std::pair{ui->fraTreeTwo, reading.PresentTree}}) {
        const OghamTree &row = OghamTrees(tree);
        panel->showTree(row, IMGTree().picture(tree, devicePixelRatio()));
        ReadingPiece piece{panel->heading(), row.TreeName, {IMGTree().pagePicture(tree)},
                           row.TreeName,     {},           row.Characteristics};
        for (const OghamAttribute &attribute : OghamTreeAttributes(row))
            piece.fields.append({attribute.caption, attribute.value});
        described.pieces.append(piece);
    }
    setReading(described);
}

void frmCelticOghamOracleDisplay::cmdBack_Click()
{
    backToStart();
}
