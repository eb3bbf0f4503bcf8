#include "pleasewaitpanel.h"
#include "ui_pleasewaitpanel.h"

PleaseWaitPanel::PleaseWaitPanel(QWidget *parent)
    : QFrame(parent)
    , ui(std::make_unique<Ui::PleaseWaitPanel>())
{
    ui->setupUi(this);
}

PleaseWaitPanel::~PleaseWaitPanel() = default;
