// The toolkit's floor: an empty multiple-document main window.
#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    const FirstPaint painted;
    window.showMaximized();
    return app.exec();
}
