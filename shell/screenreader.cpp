#include "screenreader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetrics>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <QWidget>

namespace {
// A one-line field as a screen reader reads it. Qt 6.4's own tells it that
// each character's text attributes run from that character to itself, an
// empty run; a reader that joins the runs up drops the last letter
// ("Lovelac" for "Lovelace"). Here the whole text is one run; the rest reads
// the field as the toolkit does.
class FieldText : public QAccessibleWidget,
                  public QAccessibleTextInterface,
                  public QAccessibleEditableTextInterface {
public:
    explicit FieldText(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        QString said = kind == QAccessible::Value ? shown() : QString();
        if (said.isEmpty())
            said = QAccessibleWidget::text(kind);
        if (said.isEmpty() && kind == QAccessible::Description)
            said = field()->placeholderText();
        return said;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = field()->isReadOnly();
        state.passwordEdit = field()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QString text(int start, int end) const override { return start > end ? QString() : shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + field()->selectionLength();
        }
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            field()->setSelection(start, end - start);
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            field()->deselect();
    }
    // Measured from the text cursor, which knows how far the text has scrolled.
    QRect characterRect(int offset) const override
    {
        const QString all = shown();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(field()->font());
        const QRect cursor = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = cursor.x() + metrics.horizontalAdvance(all.left(offset))
                      - metrics.horizontalAdvance(all.left(field()->cursorPosition()));
        const QRect character(x, cursor.y(), metrics.horizontalAdvance(all.at(offset)), cursor.height());
        return character.translated(field()->mapToGlobal(QPoint()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        field()->setCursorPosition(end);
        field()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (field()->isReadOnly() || start < 0 || end < start)
            return;
        field()->setText(field()->text().replace(start, end - start, text));
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }
    // What a reader may hear of the text: nothing of a password.
    QString shown() const { return field()->echoMode() == QLineEdit::Normal ? field()->text() : QString(); }
};

// A menu item that has a shortcut, read with it: "Copy Reading, Ctrl+C".
// Qt 6.4's own menu items give screen readers the shortcut in a form they
// take for a key path, not for the shortcut, so it is never said.
class MenuItemWithShortcut : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemWithShortcut(QMenu *menu, QAction *item)
        : m_menu(menu)
        , m_item(item)
    {
    }

    bool isValid() const override { return m_menu && m_item; }
    QObject *object() const override { return m_item; }
    QWindow *window() const override { return m_menu ? m_menu->windowHandle() : nullptr; }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_menu); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QRect rect() const override { return m_menu->actionGeometry(m_item).translated(m_menu->mapToGlobal(QPoint())); }
    void setText(QAccessible::Text, const QString &) override { }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return QString(m_item->text()).remove(QRegularExpression(QStringLiteral("&(?!&)"))).replace(QStringLiteral("&&"), QStringLiteral("&"));
        if (kind == QAccessible::Accelerator)
            return m_item->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_menu->isVisible() || !m_item->isVisible();
        state.focused = m_menu->activeAction() == m_item;
        state.focusable = true;
        state.disabled = !m_item->isEnabled();
        state.checkable = m_item->isCheckable();
        state.checked = m_item->isChecked();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && m_item->isEnabled())
            m_item->trigger();
    }
    // Mnemonic, key path, shortcut: the form screen readers read.
    QStringList keyBindingsForAction(const QString &) const override
    {
        return {QKeySequence::mnemonic(m_item->text()).toString(QKeySequence::NativeText) + QStringLiteral(";;")
                + m_item->shortcut().toString(QKeySequence::NativeText)};
    }

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_item;
};

QMenu *onlyMenuOf(QAction *item)
{
    const QList<QObject *> holders = item->associatedObjects();
    return holders.size() == 1 ? qobject_cast<QMenu *>(holders.front()) : nullptr;
}

constexpr char AnnouncementName[] = "lblAnnouncement";

QAccessibleInterface *ownAccessibility(const QString &className, QObject *object)
{
    if (auto *item = qobject_cast<QAction *>(object); item && className == QLatin1String("QAction")) {
        QMenu *menu = onlyMenuOf(item);
        if (menu && !item->menu() && !item->isSeparator() && !item->shortcut().isEmpty())
            return new MenuItemWithShortcut(menu, item);
        return nullptr; // the toolkit's own
    }
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    // The area the oracle windows stand in is a plain panel too: as a
    // "layered pane" it would be announced each time a window opens.
    if (className == QLatin1String("QFrame") || className == QLatin1String("QMdiArea"))
        return new QAccessibleWidget(widget, QAccessible::Pane);
    if (className == QLatin1String("QLineEdit"))
        return new FieldText(static_cast<QLineEdit *>(widget));
    if (className == QLatin1String("QLabel") && widget->objectName() == QLatin1String(AnnouncementName))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}
}

void describeToScreenReaders()
{
    static const bool installed = [] {
        QAccessible::installFactory(ownAccessibility);
        return true;
    }();
    Q_UNUSED(installed);
}

void retellFocusOnActivation(QWidget *window)
{
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, window, [window](QWindow *now) {
        if (!QAccessible::isActive() || !now || now != window->windowHandle())
            return;
        QTimer::singleShot(0, window, [window] {
            QWidget *focused = QApplication::focusWidget();
            if (!focused || focused->window() != window)
                return;
            QAccessibleEvent again(focused, QAccessible::Focus);
            QAccessible::updateAccessibility(&again);
        });
    });
}

void announce(QWidget *window, const QString &text)
{
    auto *note = window->findChild<QLabel *>(QLatin1String(AnnouncementName), Qt::FindDirectChildrenOnly);
    if (!note) {
        note = new QLabel(window);
        note->setObjectName(QLatin1String(AnnouncementName));
        // Its own colours, as a tooltip has, on any desktop and any window.
        note->setStyleSheet(QStringLiteral("QLabel { color: #000000; background: #FFFFE1; border: 1px solid #767676;"
                                           " padding: 3px 8px; }"));
        auto *hide = new QTimer(note);
        hide->setObjectName(QStringLiteral("timHide"));
        hide->setSingleShot(true);
        QObject::connect(hide, &QTimer::timeout, note, &QWidget::hide);
    }
    note->hide(); // shown anew, it is announced anew
    note->setText(text);
    note->setAccessibleName(text);
    note->adjustSize();
    note->move((window->width() - note->width()) / 2, window->height() - note->height() - 8);
    note->raise();
    note->show();
    note->findChild<QTimer *>(QStringLiteral("timHide"))->start(3000);
}

void showToScreenReaders(QWidget *shown)
{
    if (!QAccessible::isActive() || !shown->isVisible())
        return;
    // The old identity leaves its parent's children...
    QAccessibleEvent gone(shown, QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&gone);
    // ...every identity within is forgotten, so each is made anew when asked...
    QList<QWidget *> within = shown->findChildren<QWidget *>();
    within.append(shown);
    for (QWidget *widget : within)
        if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(widget))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    // ...and the new one joins them.
    QAccessibleEvent made(shown, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&made);
}
