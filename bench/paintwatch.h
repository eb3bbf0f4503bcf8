#pragma once
// Waits until a widget of the named window paints, so that a benchmark times
// what the user sees, not what the code has merely asked for.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

class PaintWatch : public QObject {
public:
    explicit PaintWatch(const char *window)
        : m_window(window)
    {
        qApp->installEventFilter(this);
    }
    bool painted = false;

    // Gives up after five seconds, so a window that never paints cannot hang the run.
    void waitForPaint()
    {
        QElapsedTimer timer;
        timer.start();
        while (!painted && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            for (QObject *o = watched; o; o = o->parent())
                if (o->objectName() == QLatin1String(m_window))
                    painted = true;
        return false;
    }

private:
    const char *m_window;
};
