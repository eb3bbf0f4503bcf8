#include "goodluckpanel.h"
#include "ui_goodluckpanel.h"

GoodLuckPanel::GoodLuckPanel(QWidget *parent)
    : QFrame(parent)
    , ui(std::make_unique<Ui::GoodLuckPanel>())
{
    ui->setupUi(this);
}

GoodLuckPanel::~GoodLuckPanel() = default;

void GoodLuckPanel::setUp()
{
    const QString culture = objectName().mid(3); // after "fra"
    ui->pic->setObjectName(QStringLiteral("pic") + culture);
    ui->lblName->setObjectName(QStringLiteral("lbl%1Name").arg(culture));
    ui->lblDesc->setObjectName(QStringLiteral("lbl%1Desc").arg(culture));
}

void GoodLuckPanel::setHeading(const QString &heading)
{
    ui->lblHeading->setText(heading);
}

void GoodLuckPanel::showSymbol(const QPixmap &picture, const QString &name, const QString &description)
{
    // The whole medallion, scaled once and smoothly into the smaller box.
    const qreal ratio = picture.devicePixelRatio();
    QPixmap fitted = picture.scaled(ui->pic->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    ui->pic->setPixmap(fitted);
    ui->pic->setAccessibleName(name);
    ui->lblName->setText(name);
    ui->lblDesc->setText(description);
}

QLabel *GoodLuckPanel::readingText() const
{
    return ui->lblDesc;
}
