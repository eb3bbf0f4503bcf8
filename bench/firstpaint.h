#pragma once
// Prints "painted" and quits once any widget has painted.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

class FirstPaint : public QObject {
public:
    FirstPaint() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};
