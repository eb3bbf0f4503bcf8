#include "frmoraclelibrary.h"
#include "ui_frmoraclelibrary.h"

#include "frmcelticoghamoracledisplay.h"
#include "frmcelticoghamoraclemain.h"
#include "frmdominooracledisplay.h"
#include "frmdominooraclemain.h"
#include "frmgoodlucksymboloracledisplay.h"
#include "frmgoodlucksymboloraclemain.h"
#include "frmmahjongoracledisplay.h"
#include "frmmahjongoraclemain.h"
#include "clickable.h"
#include "libraryviews.h"
#include "moddominooracle.h"
#include "modmajongoracle.h"
#include "modoghamoracle.h"
#include "readingoutput.h"
#include "services.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPainter>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidgetItem>
#include <algorithm>
#include <set>

namespace {
constexpr int EntryRole = Qt::UserRole;      // the entry's index; -1 on a heading
constexpr int OracleRole = Qt::UserRole + 1; // a heading's oracle
constexpr int GroupRole = Qt::UserRole + 2;  // a heading's suit or culture; -1 on a section

template <class... F> struct Overloaded : F... {
    using F::operator()...;
};
template <class... F> Overloaded(F...) -> Overloaded<F...>;

QTreeWidgetItem *heading(const QString &text, OracleId oracle, int group)
{
    auto *item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, EntryRole, -1);
    item->setData(0, OracleRole, int(oracle));
    item->setData(0, GroupRole, group);
    QFont bold = item->font(0);
    bold.setBold(true);
    item->setFont(0, bold);
    return item;
}

// A heading as it stays whatever the language: its oracle and its suit or culture.
using HeadingId = std::pair<int, int>;
HeadingId headingId(const QTreeWidgetItem *item)
{
    return {item->data(0, OracleRole).toInt(), item->data(0, GroupRole).toInt()};
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

// The window that draws the oracle's readings, which may be waiting out its pause.
QString startWindowOf(OracleId oracle)
{
    switch (oracle) {
    case CelticOgham:
        return QLatin1String(frmCelticOghamOracleMain::staticMetaObject.className());
    case Domino:
        return QLatin1String(frmDominoOracleMain::staticMetaObject.className());
    case GoodLuck:
        return QLatin1String(frmGoodLuckSymbolOracleMain::staticMetaObject.className());
    case Mahjong:
        return QLatin1String(frmMahjongOracleMain::staticMetaObject.className());
    case MysticalColor:
        break;
    }
    return {};
}

// A colour's swatch, framed so that a colour close to the background still shows its edge.
QPixmap swatch(const QColor &colour, const QSize &size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0, 0, -1 / ratio, -1 / ratio));
    return pixmap;
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

// What a screen reader says as the text takes the focus: which piece it
// tells of, then all it says. A text box that cannot be typed in is a label
// to Qt 6.4, and Orca says a label by its name alone.
QString spokenDetail(const QString &title, const QList<LibraryFact> &facts, const QString &text)
{
    ReadingPiece piece;
    //: What a screen reader calls the text beside the list: a piece's or a heading's name follows.
    piece.name = frmOracleLibrary::tr("About %1").arg(title.trimmed());
    for (const LibraryFact &fact : facts)
        piece.fields.append({fact.caption, fact.value});
    piece.text = text;
    return spokenReading({{}, {}, {}, {piece}});
}
}

frmOracleLibrary::frmOracleLibrary(OracleHost &host)
    : OracleWindow(host, QStringLiteral(":/shell/augurium.png"))
    , ui(std::make_unique<Ui::frmOracleLibrary>())
    , m_entries(BuildLibraryEntries())
{
    ui->setupUi(this);
    ui->pgNoMatch->hide();
    m_trees = {ui->cboPast, ui->cboFuture};
    for (size_t slot = 0; slot < m_trees.size(); ++slot) {
        // Typing a tree's name reaches it there as in the list.
        m_trees[slot]->setView(new TreeNameList(m_trees[slot]));
        for (int n = 1; n <= OghamTreeCount; ++n)
            m_trees[slot]->addItem(OghamTrees(n).TreeName, n);
        m_trees[slot]->setCurrentIndex(int(slot) + 1);
        connect(m_trees[slot], &QComboBox::currentIndexChanged, this, &frmOracleLibrary::cboTree_Change);
    }
    fillList();
    fitListToNames(false);
    ui->splLibrary->setStretchFactor(1, 1);
    nameClearButton();
    for (QWidget *control : std::initializer_list<QWidget *>{ui->txtSearch, ui->cboPast, ui->lblPresentTree,
                                                             ui->cboFuture, ui->cmdRead})
        showFocusMark(control);
    // Alt and a letter is a command: where no access key takes it, it must
    // not end up in the search as a letter.
    ui->txtSearch->installEventFilter(this);
    // Esc leaves the Library as it leaves a reading.
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    leave->setContext(Qt::WidgetWithChildrenShortcut);
    connect(leave, &QShortcut::activated, this, &OracleWindow::closeWindow);

    connect(ui->txtSearch, &QLineEdit::textChanged, this, &frmOracleLibrary::txtSearch_Change);
    connect(ui->treEntries, &QTreeWidget::currentItemChanged, this, &frmOracleLibrary::treEntries_CurrentChange);
    // Enter (or a double click) on a piece reads it, as the button would.
    connect(ui->treEntries, &QTreeWidget::itemActivated, this, [this] {
        if (ui->cmdRead->isVisible())
            cmdRead_Click();
    });
    connect(ui->cmdRead, &QPushButton::clicked, this, &frmOracleLibrary::cmdRead_Click);
    // A draw may have begun its pause while the Library was out of use.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isAncestorOf(now))
            updateRead();
    });
    ui->treEntries->setCurrentItem(m_items.front());
    focusWhenShown(ui->txtSearch);
}

frmOracleLibrary::~frmOracleLibrary() = default;

// Sections, then the suits and cultures within theirs, in the entries' order.
void frmOracleLibrary::fillList()
{
    ui->treEntries->clear();
    m_items.clear();
    m_items.reserve(m_entries.size());
    QTreeWidgetItem *section = nullptr;
    QTreeWidgetItem *group = nullptr;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const LibraryEntry &entry = m_entries[i];
        if (!section || headingId(section).first != entry.oracle) {
            section = heading(oracleName(entry.oracle), entry.oracle, -1);
            ui->treEntries->addTopLevelItem(section);
            group = nullptr;
        }
        if (entry.groupId >= 0 && (!group || headingId(group).second != entry.groupId)) {
            group = heading(entry.group, entry.oracle, entry.groupId);
            section->addChild(group);
        }
        auto *item = new QTreeWidgetItem(QStringList{entry.title});
        item->setData(0, EntryRole, int(i));
        (entry.groupId >= 0 ? group : section)->addChild(item);
        m_items.push_back(item);
    }
    ui->treEntries->openHeadings();
}

// The list wide enough for its longest name, if the window has the room.
// Once the user has set the width, only a longer name widens it.
void frmOracleLibrary::fitListToNames(bool widenOnly)
{
    const int listWidth = ui->treEntries->sizeHintForColumn(0) + 2 * ui->treEntries->frameWidth()
                          + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QList<int> sizes = ui->splLibrary->sizes();
    if (widenOnly && sizes.value(0) >= listWidth)
        return;
    const int total = widenOnly ? sizes.value(0) + sizes.value(1) : width();
    ui->splLibrary->setSizes({listWidth, std::max(total - listWidth, listWidth)});
}

// The field's clear button, which a screen reader would otherwise announce without a name.
void frmOracleLibrary::nameClearButton()
{
    for (QToolButton *clear : ui->txtSearch->findChildren<QToolButton *>())
        clear->setAccessibleName(tr("Clear the search"));
}

// Everything is told again in the new language: the form's texts, the trees
// in the boxes, and the list with its headings and search, built anew from
// the tables. The piece in sight, the headings closed, the search and the
// trees chosen stay as they were: they are kept by their numbers.
void frmOracleLibrary::retranslate()
{
    const QTreeWidgetItem *current = ui->treEntries->currentItem();
    const int index = current ? current->data(0, EntryRole).toInt() : -1;
    const bool onPiece = current && index >= 0;
    const HeadingId onHeading = current && !onPiece ? headingId(current) : HeadingId{-1, -1};
    std::set<HeadingId> closed;
    for (QTreeWidgetItemIterator it(ui->treEntries); *it; ++it)
        if ((*it)->childCount() > 0 && !(*it)->isExpanded())
            closed.insert(headingId(*it));

    ui->retranslateUi(this);
    nameClearButton();
    nameReadButton();
    for (QComboBox *box : m_trees) {
        for (int i = 0; i < box->count(); ++i)
            box->setItemText(i, OghamTrees(box->itemData(i).toInt()).TreeName);
        // Screen readers keep a name they have read until told that it changed.
        QAccessibleEvent renamed(box, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }

    const std::vector<LibraryEntry> before = std::exchange(m_entries, BuildLibraryEntries());
    {
        // The piece in sight is shown once it is found again, not on the way there.
        const QSignalBlocker quiet(ui->treEntries);
        fillList();
        QTreeWidgetItem *again = nullptr;
        for (QTreeWidgetItemIterator it(ui->treEntries); *it; ++it) {
            const int entry = (*it)->data(0, EntryRole).toInt();
            if ((*it)->childCount() > 0 && closed.count(headingId(*it)))
                (*it)->setExpanded(false);
            if (!again
                && (entry >= 0 ? onPiece && m_entries[size_t(entry)].piece == before[size_t(index)].piece
                               : headingId(*it) == onHeading))
                again = *it;
        }
        ui->treEntries->setCurrentItem(again ? again : m_items.front());
    }
    // A heading in sight stays, as long as the search leaves it.
    QTreeWidgetItem *firstShown = applySearch();
    QTreeWidgetItem *shown = ui->treEntries->currentItem();
    if (firstShown && shown->isHidden()) {
        shown = firstShown;
        ui->treEntries->setCurrentItem(shown);
    }
    // Where the search found nothing, the piece is told anew all the same,
    // ready for when the search is cleared.
    const int entry = shown->data(0, EntryRole).toInt();
    showEntry(entry >= 0 ? &m_entries[size_t(entry)] : nullptr);
    updateRead();
    ui->treEntries->scrollToItem(shown);
    fitListToNames(true);
    makeRoomForTexts();
}

// A longer text, as another language has it, may need more room than the
// window has. Its least size counts wrapped lines as one, so the lines
// missing in the detail are counted at its width; the window grows by
// them, the area scrolling to the rest as when it opened.
void frmOracleLibrary::makeRoomForTexts()
{
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame)
        return;
    QSize least = minimumSizeHint() + (frame->size() - size());
    if (ui->fraDetail->isVisible())
        least.setHeight(std::max(least.height(), frame->height()
                                                     + ui->layDetail->minimumHeightForWidth(ui->fraDetail->width())
                                                     - ui->fraDetail->height()));
    if (frame->width() < least.width() || frame->height() < least.height())
        frame->resize(frame->size().expandedTo(least));
}

bool frmOracleLibrary::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->txtSearch && event->type() == QEvent::KeyPress) {
        // Ctrl and Alt together are AltGr on some desktops, which does type letters.
        const Qt::KeyboardModifiers held = static_cast<QKeyEvent *>(event)->modifiers();
        if ((held & Qt::AltModifier) && !(held & Qt::ControlModifier))
            return true;
    }
    return OracleWindow::eventFilter(watched, event);
}

const LibraryEntry *frmOracleLibrary::currentEntry() const
{
    const QTreeWidgetItem *item = ui->treEntries->currentItem();
    const int index = item && !item->isHidden() ? item->data(0, EntryRole).toInt() : -1;
    return index >= 0 ? &m_entries[size_t(index)] : nullptr;
}

void frmOracleLibrary::txtSearch_Change()
{
    QTreeWidgetItem *firstShown = applySearch();
    const QTreeWidgetItem *current = ui->treEntries->currentItem();
    if (firstShown && (!current || current->isHidden() || current->data(0, EntryRole).toInt() < 0))
        ui->treEntries->setCurrentItem(firstShown);
}

// Hides the pieces the search leaves out, and the headings left empty; the
// first piece still in sight, if any.
QTreeWidgetItem *frmOracleLibrary::applySearch()
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
    // One page or the other, in a plain frame: a stack of pages is a pane
    // that a screen reader names each time the focus goes into it.
    ui->fraDetail->setVisible(!none);
    ui->pgNoMatch->setVisible(none);
    ui->txtSearch->setAccessibleDescription(none ? ui->lblNoMatch->text() : QString());
    return firstShown;
}

void frmOracleLibrary::treEntries_CurrentChange()
{
    showEntry(currentEntry());
}

void frmOracleLibrary::showEntry(const LibraryEntry *entry)
{
    const std::array<QLabel *, 2> pictures{ui->picPiece_0, ui->picPiece_1};
    const QTreeWidgetItem *item = ui->treEntries->currentItem();
    if (!entry) { // a heading: its name, and what its oracle gives
        const QTreeWidgetItem *section = item;
        while (section && section->parent())
            section = section->parent();
        ui->lblPlace->setText(section && section != item ? section->text(0) : QString());
        ui->lblTitle->setText(item ? item->text(0) : QString());
        for (QLabel *picture : pictures) {
            picture->clear();
            picture->hide();
        }
        const QString overview = section ? OracleOverview(OracleId(headingId(section).first)) : QString();
        ui->txtDetail->setPlainText(overview);
        ui->txtDetail->setAccessibleName(spokenDetail(ui->lblTitle->text(), {}, overview));
        ui->fraOghamChoice->hide();
        ui->cmdRead->hide();
        ui->lblReadNote->hide();
        return;
    }
    const QString section = oracleName(entry->oracle);
    //: Where a piece stands in the Library: its oracle, then its suit of tiles or its culture.
    ui->lblPlace->setText(entry->group.isEmpty() ? section : tr("%1 – %2").arg(section, entry->group));
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
    if (const auto *colour = std::get_if<ColourPiece>(&entry->piece)) {
        const int side = 3 * fontMetrics().height();
        ui->picPiece_0->setPixmap(swatch(ColourSwatch(colour->number), QSize(2 * side, side), devicePixelRatio()));
        ui->picPiece_0->setAccessibleName(entry->title);
        ui->picPiece_0->show();
    }
    // The row of pictures is a layout of its own, which the pictures' new
    // sizes reach only once the window has shown; the first size needs them.
    ui->layPictures->invalidate();
    ui->txtDetail->setHtml(detailHtml(*entry));
    ui->txtDetail->setAccessibleName(spokenDetail(entry->title, entry->facts, entry->reading));

    const bool ogham = entry->oracle == CelticOgham;
    if (ogham)
        placeTreeOnShow(std::get<OghamPiece>(entry->piece).tree);
    ui->fraOghamChoice->setVisible(ogham);
    m_readsThree = ogham;
    nameReadButton();
    ui->cmdRead->setVisible(entry->oracle != MysticalColor);
    updateRead();
    makeRoomForTexts();
}

void frmOracleLibrary::nameReadButton()
{
    //: The button that reads the tree on show with the two chosen for the past and the future.
    ui->cmdRead->setText(m_readsThree ? tr("&Read these three") : tr("&Read this one"));
}

// The tree on show stands in the present; a box that held it takes the tree
// that stood there before, so the three stay different.
void frmOracleLibrary::placeTreeOnShow(int tree)
{
    const int before = std::exchange(m_presentTree, tree);
    ui->lblPresentTree->setText(OghamTrees(tree).TreeName.trimmed());
    // It takes the focus so that a screen reader hears the present among the boxes.
    //: The tree on show as a screen reader names it: the label "The Present:", then the tree.
    ui->lblPresentTree->setAccessibleName(tr("%1 %2").arg(ui->lblPresent->text(), ui->lblPresentTree->text()));
    for (QComboBox *box : m_trees) {
        if (box->currentData().toInt() != tree)
            continue;
        int other = before;
        for (int n = 1; other == 0 || other == tree; ++n) // none before it: the first tree free
            if (n != tree && m_trees[0]->currentData().toInt() != n && m_trees[1]->currentData().toInt() != n)
                other = n;
        box->setCurrentIndex(box->findData(other));
    }
}

bool frmOracleLibrary::threeDifferentTrees() const
{
    const int past = m_trees[0]->currentData().toInt();
    const int future = m_trees[1]->currentData().toInt();
    return past != future && past != m_presentTree && future != m_presentTree;
}

void frmOracleLibrary::cboTree_Change()
{
    updateRead();
}

// Whether the piece in sight can be read now, and if not, why not: three
// trees the same would be a reading no draw can give, and a draw waiting out
// its pause would put its own reading over this one a moment later.
QString frmOracleLibrary::whyNoReading() const
{
    const LibraryEntry *entry = currentEntry();
    if (!entry || entry->oracle == MysticalColor)
        return {};
    const OracleWindow *start = host().findOracleWindow(startWindowOf(entry->oracle));
    if (start && start->isPausing())
        //: %1 is an oracle's name, as its section in the Library is headed.
        return tr("The %1 oracle is drawing a reading; this one can be read once it shows.")
            .arg(oracleName(entry->oracle));
    if (entry->oracle == CelticOgham && !threeDifferentTrees())
        return tr("Choose three different trees.");
    return {};
}

void frmOracleLibrary::updateRead()
{
    if (const LibraryEntry *entry = currentEntry(); entry && entry->oracle != MysticalColor)
        if (OracleWindow *start = host().findOracleWindow(startWindowOf(entry->oracle)))
            connect(start, &OracleWindow::pauseChanged, this, &frmOracleLibrary::updateRead, Qt::UniqueConnection);
    const QString why = whyNoReading();
    ui->lblReadNote->setText(why);
    ui->lblReadNote->setVisible(!why.isEmpty() && ui->cmdRead->isVisibleTo(this));
    ui->cmdRead->setEnabled(why.isEmpty());
    if (ui->cmdRead->accessibleDescription() != why) // each setting is news to screen readers
        ui->cmdRead->setAccessibleDescription(why);
}

// A reading of that oracle already open gives way: the new one starts clean
// (the Good Luck window would otherwise keep the cultures drawn before), and
// its Back comes here. One the user drew, not read here, goes only if the
// user agrees; null if not.
template <class W> W *frmOracleLibrary::freshResultWindow()
{
    if (OracleWindow *open = host().findOracleWindow(QLatin1String(W::staticMetaObject.className()))) {
        if (!open->openedFrom(this)
            && !services().messages.ask(
                this,
                //: %1 is an oracle's name, as its section in the Library is headed.
                frmOracleLibrary::tr("The %1 reading you drew is still open. Close it and read this one "
                                     "in its place?")
                    .arg(oracleName(currentEntry()->oracle)),
                Messages::Icon::Information))
            return nullptr;
        open->closeWindow();
    }
    return OracleWindow::instance<W>(host());
}

void frmOracleLibrary::cmdRead_Click()
{
    const LibraryEntry *entry = currentEntry();
    if (!entry || entry->oracle == MysticalColor)
        return;
    if (const QString why = whyNoReading(); !why.isEmpty()) {
        services().messages.inform(this, why, Messages::Icon::Information);
        return;
    }
    OracleWindow *result = std::visit(
        Overloaded{
            [this](const OghamPiece &piece) -> OracleWindow * {
                auto *display = freshResultWindow<frmCelticOghamOracleDisplay>();
                if (display)
                    display->FillOghamReading({.PastTree = m_trees[0]->currentData().toInt(),
                                               .PresentTree = piece.tree,
                                               .FutureTree = m_trees[1]->currentData().toInt()});
                return display;
            },
            [this](const DominoPiece &piece) -> OracleWindow * {
                constexpr int Halves = 7;
                auto *display = freshResultWindow<frmDominoOracleDisplay>();
                if (display)
                    display->showDomino({piece.one, piece.two, DominoMessage(piece.one * Halves + piece.two)});
                return display;
            },
            [this](const MahjongPiece &piece) -> OracleWindow * {
                const MahjongTile &tile = MahjongTiles(piece.row);
                auto *display = freshResultWindow<frmMahjongOracleDisplay>();
                if (display)
                    display->showTile({piece.row, tile.TileName, tile.TileEnglishName, tile.TileChineseCharacter,
                                       tile.TileDescription});
                return display;
            },
            [this](const GoodLuckPiece &piece) -> OracleWindow * {
                auto *display = freshResultWindow<frmGoodLuckSymbolOracleDisplay>();
                if (display)
                    display->showSymbol(piece.culture, piece.number);
                return display;
            },
            [](const ColourPiece &) -> OracleWindow * { return nullptr; },
        },
        entry->piece);
    if (result)
        showReading(*result);
}
