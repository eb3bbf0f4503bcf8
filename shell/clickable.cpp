#include "clickable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QWidget>

namespace {

bool isEnter(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
           && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class ClickFilter final : public QObject {
public:
    ClickFilter(QWidget *widget, std::function<void()> onClick, std::optional<Pointer> pointer)
        : QObject(widget)
        , m_widget(widget)
        , m_onClick(std::move(onClick))
        , m_pointer(pointer)
    {
        widget->installEventFilter(this);
        if (m_onClick)
            widget->setFocusPolicy(Qt::StrongFocus);
    }

    bool clickable() const { return bool(m_onClick); }
    bool isLink() const { return m_pointer && *m_pointer != Pointer::Hand; }

    // Returns false when the widget is gone after the click.
    bool click()
    {
        const QPointer<QWidget> alive(m_widget);
        const auto onClick = m_onClick; // this filter dies with the widget
        onClick();
        return bool(alive);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Enter:
            if (m_pointer && !m_cursorSet) {
                m_widget->setCursor(pointerCursor(*m_pointer));
                m_cursorSet = true;
            }
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                m_pressed = true;
            return bool(m_onClick); // a click on a link is not also a click on what holds it
        case QEvent::MouseButtonRelease: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && m_pressed) {
                m_pressed = false;
                if (m_onClick && m_widget->rect().contains(mouse->position().toPoint()))
                    click();
            }
            return bool(m_onClick);
        }
        case QEvent::ShortcutOverride: // the key is this widget's, not a window shortcut's
            if (m_onClick && actsOn(static_cast<QKeyEvent *>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (m_onClick && actsOn(static_cast<QKeyEvent *>(event))) {
                click();
                return true;
            }
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            m_widget->update();
            break;
        case QEvent::Paint:
            if (m_onClick && m_widget->hasFocus()) {
                // The widget paints itself first; the mark goes on top.
                static_cast<QObject *>(m_widget)->event(event);
                QPainter painter(m_widget);
                drawFocusMark(painter, m_widget->rect());
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    static bool actsOn(const QKeyEvent *key)
    {
        return isEnter(key) || (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier);
    }

    QWidget *m_widget;
    std::function<void()> m_onClick;
    std::optional<Pointer> m_pointer;
    bool m_pressed = false;
    bool m_cursorSet = false;
};

ClickFilter *clickFilterOf(QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    // One that the keyboard skips is only a convenience for the mouse, and
    // screen readers skip it as well.
    if (widget->focusPolicy() == Qt::NoFocus)
        return nullptr;
    for (QObject *child : widget->children())
        if (auto *filter = dynamic_cast<ClickFilter *>(child); filter && filter->clickable())
            return filter;
    return nullptr;
}

// What a screen reader needs of a clickable label or picture: a link or a
// button, named by its accessible name or else its text, that can be pressed.
class ClickableAccessible final : public QAccessibleWidget {
public:
    ClickableAccessible(QWidget *widget, bool link)
        : QAccessibleWidget(widget, link ? QAccessible::Link : QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
                return QTextDocumentFragment::fromHtml(label->text()).toPlainText().simplified();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    // Later, as a button's press is: a reading may pause or ask in a message
    // box, and the screen reader waits for its answer until this returns.
    void doAction(const QString &action) override
    {
        if (action != pressAction())
            return;
        QTimer::singleShot(0, widget(), [widget = QPointer<QWidget>(widget())] {
            if (ClickFilter *filter = clickFilterOf(widget.data()))
                filter->click();
        });
    }
};

class EnterPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !isEnter(static_cast<QKeyEvent *>(event)) || !button->isEnabled())
            return false;
        event->accept();
        if (event->type() == QEvent::KeyPress)
            button->click();
        return true;
    }
};

QAccessibleInterface *clickableAccessibleFactory(const QString &, QObject *object)
{
    if (ClickFilter *filter = clickFilterOf(object))
        return new ClickableAccessible(static_cast<QWidget *>(object), filter->isLink());
    return nullptr;
}

} // namespace

void makeClickable(QWidget *widget, std::function<void()> onClick, std::optional<Pointer> pointer)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(clickableAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    new ClickFilter(widget, std::move(onClick), pointer);
    // Setting a label's text already made it known as plain text or picture;
    // from now on it must be known as a link or button.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

void showPointer(QWidget *widget, Pointer pointer)
{
    new ClickFilter(widget, {}, pointer);
}

void pressFocusedButtonOnEnter(QWidget *window)
{
    auto *filter = new EnterPresses(window);
    for (QPushButton *button : window->findChildren<QPushButton *>())
        button->installEventFilter(filter);
}

namespace {
class FocusMark : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *control = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            control->update();
        if (event->type() != QEvent::Paint || !control->hasFocus())
            return false;
        // The control paints itself first; the mark goes on top.
        watched->event(event);
        QPainter painter(control);
        drawFocusMark(painter, control->rect());
        return true;
    }
};
}

void showFocusMark(QWidget *control)
{
    control->installEventFilter(new FocusMark(control));
}

void drawFocusMark(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
    painter.restore();
}
