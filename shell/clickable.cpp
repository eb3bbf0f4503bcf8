#include "clickable.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

class ClickFilter final : public QObject {
public:
    ClickFilter(QWidget *widget, std::function<void()> onClick, std::optional<Pointer> pointer)
        : QObject(widget)
        , m_widget(widget)
        , m_onClick(std::move(onClick))
        , m_pointer(pointer)
    {
        widget->installEventFilter(this);
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
                if (m_onClick && m_widget->rect().contains(mouse->position().toPoint())) {
                    const QPointer<QWidget> alive(m_widget);
                    const auto onClick = m_onClick; // this filter dies with the widget
                    onClick();
                    if (!alive)
                        return true;
                }
            }
            return bool(m_onClick);
        }
        default:
            break;
        }
        return false;
    }

private:
    QWidget *m_widget;
    std::function<void()> m_onClick;
    std::optional<Pointer> m_pointer;
    bool m_pressed = false;
    bool m_cursorSet = false;
};

}

void makeClickable(QWidget *widget, std::function<void()> onClick, std::optional<Pointer> pointer)
{
    new ClickFilter(widget, std::move(onClick), pointer);
}

void showPointer(QWidget *widget, Pointer pointer)
{
    new ClickFilter(widget, {}, pointer);
}
