#include "frmabout.h"
#include "ui_frmabout.h"

#include "clickable.h"
#include "look.h"
#include "modhelp.h"
#include "services.h"

#include <QScreen>
#include <QTimer>
#include <QWindow>

frmAbout::frmAbout(Services &services, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    dressAsDesigned(this); // laid out in pixels
    setFixedSize(size());
    setWindowIcon(QIcon(QStringLiteral(":/shell/augurium.png")));
    ui->Picture1->setPixmap(windowIcon().pixmap(QSize(32, 32), devicePixelRatio()));
    ui->Label2->adjustSize();
    ui->lblHomePage->adjustSize();
    ui->lblCoBrand->adjustSize();
    makeClickable(
        ui->lblHomePage, [&services] { OpenHomePage(services.urls); }, Pointer::Link);
    makeClickable(
        ui->lblCoBrand, [&services] { OpenFullyBrandedPage(services.urls); }, Pointer::Link);
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // Enter closes the box, as before its links took the focus; Tab reaches them.
    ui->cmdOK->setDefault(true);
    ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::showModal(Services &services, QWidget *parent)
{
    frmAbout box(services, parent ? parent->window() : nullptr);
    box.centreOnScreen();
    box.exec();
}

void frmAbout::centreOnScreen()
{
    const QRect screen = this->screen()->geometry();
    const QRect outer = frameGeometry(); // the window manager's frame included, once known
    const QPoint target(screen.x() + (screen.width() - outer.width()) / 2,
                        screen.y() + (screen.height() - outer.height()) / 2);
    if (QWindow *window = windowHandle(); window && window->isVisible())
        window->setFramePosition(target);
    else
        move(target);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (m_framed)
        return;
    // Painted means shown and framed: now the frame's true size is known.
    m_framed = true;
    QTimer::singleShot(0, this, &frmAbout::centreOnScreen);
}
