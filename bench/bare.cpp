// The toolkit's floor: an empty multiple-document main window; with --text,
// the same window with a line of text above the area, so that it loads fonts
// as any window that shows words must.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (app.arguments().contains(QStringLiteral("--text"))) {
        auto *client = new QWidget;
        auto *layout = new QVBoxLayout(client);
        layout->addWidget(new QLabel(QStringLiteral("Welcome")));
        layout->addWidget(new QMdiArea);
        window.setCentralWidget(client);
    } else {
        window.setCentralWidget(new QMdiArea);
    }
    const FirstPaint painted;
    window.showMaximized();
    return app.exec();
}
