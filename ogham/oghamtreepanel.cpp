#include "oghamtreepanel.h"
#include "ui_oghamtreepanel.h"

#include "modoghamoracle.h"

#include <QFontMetrics>
#include <algorithm>

namespace {
// A value or caption too long for its box in some language shrinks, down to
// this share of its size, rather than lose its end.
constexpr qreal SmallestShare = 0.75;

QFont fitting(QFont font, const QString &text, int width)
{
    const qreal smallest = font.pointSizeF() * SmallestShare;
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pointSizeF() - 0.25 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

void setFontIfOther(QLabel *label, const QFont &font)
{
    if (label->font() != font)
        label->setFont(font);
}
}

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
    m_captionLeft = ui->lblCaptionKeywords->x();
    m_captionWidth = ui->lblCaptionKeywords->width();
    m_valueLeft = ui->lblKeywords->x();
    m_valueRight = ui->lblKeywords->geometry().right();
    ui->lblCaptionKeywords->ensurePolished();
    ui->lblKeywords->ensurePolished();
    m_captionFont = ui->lblCaptionKeywords->font();
    m_valueFont = ui->lblKeywords->font();
}

OghamTreePanel::~OghamTreePanel() = default;

void OghamTreePanel::setUp(const QString &suffix)
{
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->setObjectName(control->objectName() + suffix);
}

void OghamTreePanel::setHeading(const QString &heading)
{
    m_heading = heading;
    ui->lblPanelCaption->setText(heading);
}

void OghamTreePanel::showTree(const OghamTree &tree, const QPixmap &picture)
{
    ui->retranslateUi(this);
    const QList<OghamAttribute> attributes = OghamTreeAttributes(tree);
    const AttributeRows rows = attributeRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].first->setText(attributes[qsizetype(i)].caption);
        rows[i].second->setText(attributes[qsizetype(i)].value);
    }
    fitAttributeRows();
    ui->lblTreeName->setText(tree.TreeName);
    ui->txtCharacteristics->setPlainText(tree.Characteristics);
    ui->picImage->setPixmap(picture);
    ui->picImage->setAccessibleName(tree.TreeName);
    // The three paragraphs share one caption: a screen reader names each by
    // its time and tree instead, and tells the tree's attributes after it,
    // which read row by row across the panels would mix the three trees.
    //: How a screen reader names a tree's paragraph: the time it stands for, then the tree ("The Past: The Oak Tree").
    ui->txtCharacteristics->setAccessibleName(tr("%1: %2").arg(m_heading, tree.TreeName.trimmed()));
    QStringList described;
    for (const OghamAttribute &attribute : attributes)
        //: One attribute of a tree as a screen reader tells it ("Ruling Planet: Sun.").
        described << tr("%1: %2.").arg(attribute.caption, attribute.value.trimmed());
    ui->txtCharacteristics->setAccessibleDescription(described.join(QLatin1Char(' ')));
}

// The rows as designed while every caption and value of the language fits;
// otherwise the boundary between the columns moves to where the longest
// caption and the longest value of all the trees fit best, the same in every
// panel, and a text that still does not fit shrinks a little.
void OghamTreePanel::fitAttributeRows()
{
    const AttributeRows rows = attributeRows();
    const QFontMetrics captionMetrics(m_captionFont), valueMetrics(m_valueFont);
    int widestCaption = 0;
    for (const QString &caption : OghamAttributeCaptions())
        widestCaption = std::max(widestCaption, captionMetrics.horizontalAdvance(caption));
    int widestValue = 0;
    for (int n = 1; n <= OghamTreeCount; ++n)
        for (const OghamAttribute &attribute : OghamTreeAttributes(OghamTrees(n)))
            widestValue = std::max(widestValue, valueMetrics.horizontalAdvance(attribute.value));
    const int gap = m_valueLeft - (m_captionLeft + m_captionWidth);
    const int both = m_valueRight + 1 - m_captionLeft - gap;
    int captionWidth = m_captionWidth;
    if (widestCaption > m_captionWidth || widestValue > both - m_captionWidth) {
        const int most = std::max(m_captionWidth, std::min(widestCaption, both * 11 / 20));
        captionWidth = std::clamp(both - widestValue, std::min(widestCaption, most), most);
    }
    const int valueLeft = m_captionLeft + captionWidth + gap;
    const int valueWidth = m_valueRight + 1 - valueLeft;
    for (const auto &[caption, value] : rows) {
        caption->setGeometry(m_captionLeft, caption->y(), captionWidth, caption->height());
        value->setGeometry(valueLeft, value->y(), valueWidth, value->height());
        setFontIfOther(caption, fitting(m_captionFont, caption->text(), captionWidth));
        setFontIfOther(value, fitting(m_valueFont, value->text(), valueWidth));
    }
}

// Caption and value, in the order of the tree's attributes.
OghamTreePanel::AttributeRows OghamTreePanel::attributeRows() const
{
    return {{
        {ui->lblCaptionKeywords, ui->lblKeywords},
        {ui->lblCaptionRulingPlanet, ui->lblRulingPlanet},
        {ui->lblCaptionRulingAnimal, ui->lblRulingAnimal},
        {ui->lblCaptionOghamTerm, ui->lblOghamTerm},
        {ui->lblCaptionLuckyColor, ui->lblLuckyColor},
        {ui->lblCaptionLuckyMonth, ui->lblLuckyMonth},
        {ui->lblCaptionLuckyLetter, ui->lblLuckyLetter},
        {ui->lblCaptionLuckyGemstone, ui->lblLuckyGemstone},
        {ui->lblCaptionLuckyFlower, ui->lblLuckyFlower},
    }};
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
