#include "libraryviews.h"

#include "clickable.h"
#include "librarycatalogue.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QRegularExpression>

QString TypeAhead::add(const QString &key, bool &fresh)
{
    fresh = !m_since.isValid() || m_since.elapsed() > QApplication::keyboardInputInterval();
    m_since.start();
    m_typed = fresh ? key : m_typed + key;
    return m_typed;
}

namespace {
// Of `count` rows named by `name`, the first from `from` (wrapping round)
// that `typed` starts; a key pressed again and again steps through the rows
// that it starts, as in any list. -1 if none.
template <class Name> int findTyped(int count, int current, const QString &typed, bool fresh, Name name)
{
    if (count == 0 || typed.isEmpty())
        return -1;
    const bool sameKey = typed.count(typed.front()) == typed.size();
    const auto search = [&](const QString &text, int from) {
        for (int step = 0; step < count; ++step) {
            const int row = (from + step) % count;
            if (typedStartsName(name(row), text))
                return row;
        }
        return -1;
    };
    // A new name starts after the row in sight, so that one key steps on.
    const int start = std::max(current, 0);
    if (const int row = search(typed, fresh && current >= 0 ? start + 1 : start); row >= 0)
        return row;
    return sameKey ? search(typed.left(1), start + 1) : -1;
}
}

void PieceList::keyboardSearch(const QString &search)
{
    bool fresh = false;
    const QString typed = m_typeAhead.add(search, fresh);
    // The rows in sight, in order; the search leaves the others hidden.
    QList<QTreeWidgetItem *> rows;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        bool shown = true;
        for (const QTreeWidgetItem *up = *it; up && shown; up = up->parent())
            shown = !up->isHidden();
        if (shown)
            rows << *it;
    }
    const int found = findTyped(int(rows.size()), int(rows.indexOf(currentItem())), typed, fresh,
                                [&rows](int row) { return rows[row]->text(0); });
    if (found >= 0)
        setCurrentItem(rows[found]);
}

void PieceList::openHeadings()
{
    // expandAll() would mark every piece as opened too, and a screen reader
    // would say "expanded" of each.
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if ((*it)->childCount() > 0)
            (*it)->setExpanded(true);
}

void PieceList::drawRow(QPainter *painter, const QStyleOptionViewItem &options, const QModelIndex &index) const
{
    QTreeWidget::drawRow(painter, options, index);
    if (hasFocus() && index == currentIndex())
        drawFocusMark(*painter, QRect(0, options.rect.top(), viewport()->width(), options.rect.height()));
}

// Qt 6.4's tree tells screen readers that its new current row has the focus
// whether the tree has it or not: as a search typed in the field moves the
// row, Orca leaves the field for the list, and hears nothing more of the
// field (nor that nothing was found). The tree's own step is left out, as it
// adds nothing else to a list of one column; the row is told here, only
// while the list has the focus.
void PieceList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (hasFocus())
        tellCurrentRow();
}

// Qt 6.4 tells screen readers only that the list took the focus, not which
// row the user is on: Orca would say "Pieces tree" and no piece. The row is
// told once the list's own news is out, which follows this event.
void PieceList::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                tellCurrentRow();
        },
        Qt::QueuedConnection);
}

void PieceList::tellCurrentRow()
{
    const QModelIndex current = currentIndex();
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface *table = list ? list->tableInterface() : nullptr;
    if (!current.isValid() || visualRect(current).isEmpty() || !table)
        return; // none, or none in sight (a search hid them all)
    // The accessible table counts the rows in sight, from the top.
    int row = 0;
    for (QModelIndex above = indexAbove(current); above.isValid(); above = indexAbove(above))
        ++row;
    QAccessibleInterface *cell = table->cellAt(row, current.column());
    if (!cell)
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(list->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

void TreeNameList::keyboardSearch(const QString &search)
{
    bool fresh = false;
    const QString typed = m_typeAhead.add(search, fresh);
    const int found = findTyped(model()->rowCount(rootIndex()), currentIndex().row(), typed, fresh,
                                [this](int row) { return model()->index(row, 0, rootIndex()).data().toString(); });
    if (found >= 0)
        setCurrentIndex(model()->index(found, 0, rootIndex()));
}

void ReadingText::paintEvent(QPaintEvent *event)
{
    QTextBrowser::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(viewport());
        drawFocusMark(painter, viewport()->rect());
    }
}

// Scrolling moves what is drawn, the mark with it: it is drawn afresh.
void ReadingText::scrollContentsBy(int dx, int dy)
{
    QTextBrowser::scrollContentsBy(dx, dy);
    if (hasFocus())
        viewport()->update();
}

void ReadingText::focusInEvent(QFocusEvent *event)
{
    QTextBrowser::focusInEvent(event);
    viewport()->update();
}

void ReadingText::focusOutEvent(QFocusEvent *event)
{
    QTextBrowser::focusOutEvent(event);
    viewport()->update();
}

namespace {
TreeChooser *chooser(QWidget *widget)
{
    return static_cast<TreeChooser *>(widget);
}

// Qt 6.4 names a combo box by the item chosen in it, which Orca replaces by
// the box's label: it says "The Past: combo box" and never the tree. Nor
// does it hear a change of tree, which Qt 6.4 passes on in a form that Orca
// reads only through an interface (AT-SPI Selection) Qt 6.4 does not offer.
// So the box is named by its label and its tree together, with no label
// beside the name, and has a value: Orca hears a change of value, and says
// the box anew with its new name.
class TreeChooserAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TreeChooserAccessible(TreeChooser *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return chooser(widget())->spokenName();
        if (t == QAccessible::Value)
            return chooser(widget())->currentText().trimmed();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = chooser(widget())->view()->isVisible();
        return state;
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        // The label is in the name already; a reader would say it in the name's place.
        QList<QPair<QAccessibleInterface *, QAccessible::Relation>> related = QAccessibleWidget::relations(match);
        related.removeIf([](const auto &relation) { return relation.second & QAccessible::Label; });
        return related;
    }

    // The list that drops down, as Qt's own combo box has it.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(chooser(widget())->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == chooser(widget())->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            chooser(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    QVariant currentValue() const override { return chooser(widget())->spokenValue(chooser(widget())->currentIndex()); }
    void setCurrentValue(const QVariant &value) override
    {
        TreeChooser *box = chooser(widget());
        const int index = value.toInt() - box->spokenValue(0);
        if (index >= 0 && index < box->count())
            box->setCurrentIndex(index);
    }
    QVariant minimumValue() const override { return chooser(widget())->spokenValue(0); }
    QVariant maximumValue() const override
    {
        return chooser(widget())->spokenValue(chooser(widget())->count() - 1);
    }
    QVariant minimumStepSize() const override { return 1; }
};

// Qt 6.4 has no way to have a screen reader say a message where the focus
// is not; Orca does say a notification that appears.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(NoticeLabel *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<NoticeLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *libraryAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(TreeChooser::staticMetaObject.className()))
        return new TreeChooserAccessible(static_cast<TreeChooser *>(object));
    if (className == QLatin1String(NoticeLabel::staticMetaObject.className()))
        return new NoticeAccessible(static_cast<NoticeLabel *>(object));
    return nullptr;
}

void offerAccessibleInterfaces()
{
    static const bool offered = (QAccessible::installFactory(libraryAccessible), true);
    Q_UNUSED(offered);
}

// The text of a label, as it reads without the mark of its access key:
// "The P&ast:" reads "The Past:". Where the key's letter is not in the
// words, it stands after them in brackets ("过去(&A):"), which go with it.
QString withoutAccessKey(QString text)
{
    static const QRegularExpression bracketed(QStringLiteral("\\s*[(\\x{ff08}]&[^&][)\\x{ff09}]"));
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    return text.remove(bracketed).replace(mark, QStringLiteral("\\1"));
}
}

TreeChooser::TreeChooser(QWidget *parent)
    : QComboBox(parent)
{
    // Orca takes a value equal to the last one it heard, from whichever
    // control, as no change; no two boxes share a value.
    static int boxes = 0;
    m_valueBase = 100 * boxes++;
    offerAccessibleInterfaces();
    // Screen readers keep a name they have read until told that it changed.
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    });
}

QString TreeChooser::spokenName() const
{
    QString label = accessibleName();
    if (label.isEmpty())
        for (const QLabel *each : window()->findChildren<QLabel *>())
            if (each->buddy() == this)
                label = withoutAccessKey(each->text());
    const QString tree = currentText().trimmed();
    //: A tree box as a screen reader names it: its label, then the tree in it ("The Past: The Oak Tree").
    return label.isEmpty() ? tree : tr("%1 %2").arg(label, tree);
}

NoticeLabel::NoticeLabel(QWidget *parent)
    : QLabel(parent)
{
    offerAccessibleInterfaces();
}
