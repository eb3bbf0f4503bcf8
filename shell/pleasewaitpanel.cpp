#include "pleasewaitpanel.h"
#include "ui_pleasewaitpanel.h"

PleaseWaitPanel::PleaseWaitPanel(QWidget *parent)
    : QFrame(parent)
    , ui(std::make_unique<Ui::PleaseWaitPanel>())
{
    ui->setupUi(this);
    setAccessibleName(ui->pi->text());
}

PleaseWaitPanel::~PleaseWaitPanel() = default;

void PleaseWaitPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setAccessibleName(ui->pi->text());
    }
    QFrame::changeEvent(event);
}

void PleaseWaitPanel::standInFor(QWidget *picture)
{
    show();
    setFocus(Qt::OtherFocusReason);
    picture->hide();
}

void PleaseWaitPanel::giveBackTo(QWidget *picture)
{
    picture->show();
    picture->setFocus(Qt::OtherFocusReason);
    hide();
}
