#include "frmoraclelibrary.h"
#include "ui_frmoraclelibrary.h"

#include "frmcelticoghamoracledisplay.h"
#include "frmdominooracledisplay.h"
#include "frmgoodlucksymboloracledisplay.h"
#include "frmmahjongoracledisplay.h"
#include "moddominooracle.h"
#include "modmajongoracle.h"
#include "modoghamoracle.h"
#include "services.h"

#include <QToolButton>
#include <QTreeWidgetItem>
#include <set>

namespace {
constexpr int EntryRole = Qt::UserRole; // the entry's index; -1 on a heading

template <class... F> struct Overloaded : F... {
    using F::operator()...;
};
template <class... F> Overloaded(F...) -> Overloaded<F...>;

QTreeWidgetItem *heading(const QString &text)
{
    auto *item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, EntryRole, -1);
    QFont bold = item->font(0);
    bold.setBold(true);
    item->setFont(0, bold);
    return item;
}

// Hides a heading whose pieces are all hidden; true if it stays in sight.
bool hideIfEmpty(QTreeWidgetItem *item)
{
    if (item->childCount() == 0)
        return !item->isHidden();
    bool shown = false;
    for (int c = 0; c < item->childCount(); ++c)
        shown = hideIfEmpty(item->child(c)) || shown;
    if (item->isHidden() == shown)
        item->setHidden(!shown);
    return shown;
}

QString detailHtml(const LibraryEntry &entry)
{
    QString html;
    if (!entry.facts.isEmpty()) {
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
        for (const LibraryFact &fact : entry.facts)
            html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                        .arg(fact.caption.toHtmlEscaped(), fact.value.toHtmlEscaped());
        html += QStringLiteral("</table>");
    }
    return html + QStringLiteral("<p>%1</p>").arg(entry.reading.toHtmlEscaped());
}
}

frmOracleLibrary::frmOracleLibrary(OracleHost &host)
    : OracleWindow(host, QStringLiteral(":/shell/augurium.png"))
    , ui(std::make_unique<Ui::frmOracleLibrary>())
    , m_entries(BuildLibraryEntries())
{
    ui->setupUi(this);
    m_trees = {ui->cboPast, ui->cboPresent, ui->cboFuture};
    for (size_t slot = 0; slot < m_trees.size(); ++slot) {
        for (int n = 1; n <= OghamTreeCount; ++n)
            m_trees[slot]->addItem(OghamTrees(n).TreeName, n);
        m_trees[slot]->setCurrentIndex(int(slot));
        connect(m_trees[slot], &QComboBox::currentIndexChanged, this, &frmOracleLibrary::cboTree_Change);
    }

    // Sections, then the suits and cultures within theirs, in the entries' order.
    m_items.reserve(m_entries.size());
    QTreeWidgetItem *section = nullptr;
    QTreeWidgetItem *group = nullptr;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const LibraryEntry &entry = m_entries[i];
        const QString sectionHeading = QLatin1String(OracleName.at(entry.oracle));
        if (!section || section->text(0) != sectionHeading) {
            section = heading(sectionHeading);
            ui->treEntries->addTopLevelItem(section);
            group = nullptr;
        }
        if (!entry.group.isEmpty() && (!group || group->text(0) != entry.group)) {
            group = heading(entry.group);
            section->addChild(group);
        }
        auto *item = new QTreeWidgetItem(QStringList{entry.title});
        item->setData(0, EntryRole, int(i));
        (entry.group.isEmpty() ? section : group)->addChild(item);
        m_items.push_back(item);
    }
    ui->treEntries->expandAll();
    // The field's clear button, which a screen reader would otherwise announce without a name.
    for (QToolButton *clear : ui->txtSearch->findChildren<QToolButton *>())
        clear->setAccessibleName(QStringLiteral("Clear the search"));

    connect(ui->txtSearch, &QLineEdit::textChanged, this, &frmOracleLibrary::txtSearch_Change);
    connect(ui->treEntries, &QTreeWidget::currentItemChanged, this, &frmOracleLibrary::treEntries_CurrentChange);
    // Enter (or a double click) on a piece reads it, as the button would.
    connect(ui->treEntries, &QTreeWidget::itemActivated, this, [this] {
        if (ui->cmdRead->isVisible())
            cmdRead_Click();
    });
    connect(ui->cmdRead, &QPushButton::clicked, this, &frmOracleLibrary::cmdRead_Click);
    ui->treEntries->setCurrentItem(m_items.front());
    focusWhenShown(ui->txtSearch);
}

frmOracleLibrary::~frmOracleLibrary() = default;

const LibraryEntry *frmOracleLibrary::currentEntry() const
{
    const QTreeWidgetItem *item = ui->treEntries->currentItem();
    const int index = item && !item->isHidden() ? item->data(0, EntryRole).toInt() : -1;
    return index >= 0 ? &m_entries[size_t(index)] : nullptr;
}

void frmOracleLibrary::txtSearch_Change()
{
    const QString query = foldForSearch(ui->txtSearch->text().trimmed());
    QTreeWidgetItem *firstShown = nullptr;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const bool shown = matchesSearch(m_entries[i], query);
        if (m_items[i]->isHidden() == shown)
            m_items[i]->setHidden(!shown);
        if (shown && !firstShown)
            firstShown = m_items[i];
    }
    for (int s = 0; s < ui->treEntries->topLevelItemCount(); ++s)
        hideIfEmpty(ui->treEntries->topLevelItem(s));

    const bool none = !firstShown;
    ui->stkDetail->setCurrentWidget(none ? ui->pgNoMatch : ui->fraDetail);
    ui->txtSearch->setAccessibleDescription(none ? ui->lblNoMatch->text() : QString());
    const QTreeWidgetItem *current = ui->treEntries->currentItem();
    if (firstShown && (!current || current->isHidden() || current->data(0, EntryRole).toInt() < 0))
        ui->treEntries->setCurrentItem(firstShown);
}

void frmOracleLibrary::treEntries_CurrentChange()
{
    showEntry(currentEntry());
}

void frmOracleLibrary::showEntry(const LibraryEntry *entry)
{
    const std::array<QLabel *, 2> pictures{ui->picPiece_0, ui->picPiece_1};
    const QTreeWidgetItem *item = ui->treEntries->currentItem();
    ui->txtDetail->setVisible(entry != nullptr);
    if (!entry) { // a heading: its name over the section's pieces
        const QTreeWidgetItem *section = item && item->parent() ? item->parent() : nullptr;
        ui->lblPlace->setText(section ? section->text(0) : QString());
        ui->lblTitle->setText(item ? item->text(0) : QString());
        for (QLabel *picture : pictures) {
            picture->clear();
            picture->hide();
        }
        ui->txtDetail->clear();
        ui->fraOghamChoice->hide();
        ui->cmdRead->hide();
        ui->lblReadNote->hide();
        return;
    }
    const QString section = QLatin1String(OracleName.at(entry->oracle));
    ui->lblPlace->setText(entry->group.isEmpty() ? section : section + QStringLiteral(" \u2013 ") + entry->group);
    ui->lblTitle->setText(entry->title);
    // Only the piece in sight has its pictures loaded.
    for (size_t p = 0; p < pictures.size(); ++p) {
        const bool has = p < size_t(entry->pictures.size());
        pictures[p]->setVisible(has);
        if (!has) {
            pictures[p]->clear();
            continue;
        }
        const LibraryPicture &picture = entry->pictures[qsizetype(p)];
        pictures[p]->setPixmap(picture.list.picture(picture.number, devicePixelRatio()));
        pictures[p]->setAccessibleName(picture.name);
    }
    // The row of pictures is a layout of its own, which the pictures' new
    // sizes reach only once the window has shown; the first size needs them.
    ui->layPictures->invalidate();
    ui->txtDetail->setHtml(detailHtml(*entry));

    const bool ogham = entry->oracle == CelticOgham;
    ui->fraOghamChoice->setVisible(ogham);
    ui->cmdRead->setText(ogham ? QStringLiteral("&Read these three") : QStringLiteral("&Read this one"));
    ui->cmdRead->setVisible(entry->oracle != MysticalColor);
    cboTree_Change();
}

bool frmOracleLibrary::threeDifferentTrees() const
{
    const std::set<int> trees{m_trees[0]->currentIndex(), m_trees[1]->currentIndex(), m_trees[2]->currentIndex()};
    return trees.size() == m_trees.size();
}

// Three trees the same would be a reading no draw can give: the button waits
// for three different ones and says so.
void frmOracleLibrary::cboTree_Change()
{
    const bool refused = ui->fraOghamChoice->isVisibleTo(this) && !threeDifferentTrees();
    ui->lblReadNote->setVisible(refused);
    ui->cmdRead->setEnabled(!refused);
    ui->cmdRead->setAccessibleDescription(refused ? ui->lblReadNote->text() : QString());
}

// A reading of that oracle already open, drawn or read from here, gives way:
// the new one starts clean (the Good Luck window would otherwise keep the
// cultures drawn before), and its Back comes here.
template <class W> W *frmOracleLibrary::freshResultWindow()
{
    if (OracleWindow *open = host().findOracleWindow(QLatin1String(W::staticMetaObject.className())))
        open->closeWindow();
    return OracleWindow::instance<W>(host());
}

void frmOracleLibrary::cmdRead_Click()
{
    const LibraryEntry *entry = currentEntry();
    if (!entry || entry->oracle == MysticalColor)
        return;
    if (entry->oracle == CelticOgham && !threeDifferentTrees()) {
        services().messages.inform(this, ui->lblReadNote->text(), Messages::Icon::Information);
        return;
    }
    OracleWindow *result =
        std::visit(Overloaded{
                       [this](const OghamPiece &) -> OracleWindow * {
                           auto *display = freshResultWindow<frmCelticOghamOracleDisplay>();
                           display->FillOghamReading({.PastTree = m_trees[0]->currentData().toInt(),
                                                      .PresentTree = m_trees[1]->currentData().toInt(),
                                                      .FutureTree = m_trees[2]->currentData().toInt()});
                           return display;
                       },
                       [this](const DominoPiece &piece) -> OracleWindow * {
                           constexpr int Halves = 7;
                           auto *display = freshResultWindow<frmDominoOracleDisplay>();
                           display->showDomino({piece.one, piece.two, DominoMessage(piece.one * Halves + piece.two)});
                           return display;
                       },
                       [this](const MahjongPiece &piece) -> OracleWindow * {
                           const MahjongTile &tile = MahjongTiles(piece.row);
                           auto *display = freshResultWindow<frmMahjongOracleDisplay>();
                           display->showTile({piece.row, tile.TileName, tile.TileEnglishName, tile.TileChineseCharacter,
                                              tile.TileDescription});
                           return display;
                       },
                       [this](const GoodLuckPiece &piece) -> OracleWindow * {
                           auto *display = freshResultWindow<frmGoodLuckSymbolOracleDisplay>();
                           display->showSymbol(piece.culture, piece.number);
                           return display;
                       },
                       [](const ColourPiece &) -> OracleWindow * { return nullptr; },
                   },
                   entry->piece);
    if (result)
        showReading(*result);
}
