#include "oghamtreepanel.h"
#include "ui_oghamtreepanel.h"

#include "modoghamoracle.h"

OghamTreePanel::OghamTreePanel(QWidget *parent)
    : QFrame(parent)
    , ui(std::make_unique<Ui::OghamTreePanel>())
{
    ui->setupUi(this);
    // The paragraph is longer than its box: the keyboard reaches it, and the
    // arrows and Page keys scroll it, though it cannot be edited.
    ui->txtCharacteristics->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui->txtCharacteristics->setFocusPolicy(Qt::StrongFocus);
    ui->txtCharacteristics->setTabChangesFocus(true);
}

OghamTreePanel::~OghamTreePanel() = default;

void OghamTreePanel::setUp(const QString &heading, const QString &suffix)
{
    ui->lblPanelCaption->setText(heading);
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->setObjectName(control->objectName() + suffix);
}

void OghamTreePanel::showTree(const OghamTree &tree, const QPixmap &picture)
{
    ui->lblTreeName->setText(tree.TreeName);
    ui->lblKeywords->setText(tree.Keywords);
    ui->lblRulingPlanet->setText(tree.RulingPlanet);
    ui->lblRulingAnimal->setText(tree.RulingAnimal);
    ui->lblOghamTerm->setText(tree.OghamTerm);
    ui->lblLuckyColor->setText(tree.LuckyColor);
    ui->lblLuckyMonth->setText(tree.LuckyMonth);
    ui->lblLuckyLetter->setText(tree.LuckyLetter);
    ui->lblLuckyGemstone->setText(tree.LuckyGemstone);
    ui->lblLuckyFlower->setText(tree.LuckyFlower);
    ui->txtCharacteristics->setPlainText(tree.Characteristics);
    ui->picImage->setPixmap(picture);
    ui->picImage->setAccessibleName(tree.TreeName);
    // The three paragraphs share one caption: a screen reader names each by
    // its time and tree instead, and tells the tree's attributes after it,
    // which read row by row across the panels would mix the three trees.
    ui->txtCharacteristics->setAccessibleName(heading() + QStringLiteral(": ") + tree.TreeName.trimmed());
    QStringList attributes;
    for (const OghamAttribute &attribute : OghamTreeAttributes(tree))
        attributes << attribute.caption + QStringLiteral(": ") + attribute.value.trimmed();
    ui->txtCharacteristics->setAccessibleDescription(attributes.join(QStringLiteral(". ")) + QLatin1Char('.'));
}

QString OghamTreePanel::heading() const
{
    return ui->lblPanelCaption->text();
}

QLabel *OghamTreePanel::rulingAnimalCaption() const
{
    return ui->lblCaptionRulingAnimal;
}

QLabel *OghamTreePanel::picture() const
{
    return ui->picImage;
}

QWidget *OghamTreePanel::characteristics() const
{
    return ui->txtCharacteristics;
}
