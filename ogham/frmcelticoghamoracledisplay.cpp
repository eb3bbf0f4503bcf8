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
    ui->fraTreeOne->setUp(QStringLiteral("One"));
    ui->fraTreeTwo->setUp(QStringLiteral("Two"));
    ui->fraTreeThree->setUp(QStringLiteral("Three"));
    setHeadings();
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
    m_reading = reading;
    m_question = question;
    m_when = newReading().when;
    renderReading();
}

void frmCelticOghamOracleDisplay::renderReading()
{
    ReadingDescription described = newReading();
    described.when = m_when;
    if (!m_question.isEmpty())
        //: The caption of the user's question in a copied or printed reading.
        described.asked = {{tr("Question"), m_question}};
    // Left to right, as the panels stand.
    for (const auto &[panel, tree] :
         {std::pair{ui->fraTreeOne, m_reading.PastTree}, std::pair{ui->fraTreeThree, m_reading.FutureTree},
          std::pair{ui->fraTreeTwo, m_reading.PresentTree}}) {
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

void frmCelticOghamOracleDisplay::setHeadings()
{
    //: The heading of the left tree panel of an Ogham reading.
    ui->fraTreeOne->setHeading(tr("The Past"));
    //: The heading of the right tree panel of an Ogham reading.
    ui->fraTreeTwo->setHeading(tr("The Present"));
    //: The heading of the middle tree panel of an Ogham reading.
    ui->fraTreeThree->setHeading(tr("The Future"));
}

void frmCelticOghamOracleDisplay::retranslate()
{
    ui->retranslateUi(this);
    setHeadings();
    if (m_reading.PastTree != 0)
        renderReading();
}

void frmCelticOghamOracleDisplay::cmdBack_Click()
{
    backToStart();
}
