#include "frmabout.h"
#include "ui_frmabout.h"

#include "clickable.h"
#include "modhelp.h"
#include "services.h"

#include <QScreen>

frmAbout::frmAbout(Services &services, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowIcon(QIcon(QStringLiteral(":/shell/augurium.png")));
    ui->Picture1->setPixmap(windowIcon().pixmap(QSize(32, 32), devicePixelRatio()));
    ui->Label2->adjustSize();
    ui->lblHomePage->adjustSize();
    ui->lblCoBrand->adjustSize();
    makeClickable(ui->lblHomePage, [&services] { OpenHomePage(services.urls); }, Pointer::Link);
    makeClickable(ui->lblCoBrand, [&services] { OpenFullyBrandedPage(services.urls); }, Pointer::Link);
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

frmAbout::~frmAbout() = default;

void frmAbout::showModal(Services &services, QWidget *parent)
{
    frmAbout box(services, parent ? parent->window() : nullptr);
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->geometry();
    box.move(screen.center() - box.rect().center());
    box.exec();
}
