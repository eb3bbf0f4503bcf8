#include "picturelist.h"

#include <QFileInfo>

PictureList::PictureList(QString folder, QStringList keys)
    : m_folder(std::move(folder))
    , m_keys(std::move(keys))
{
}

QString PictureList::path(int number, int scale) const
{
    const QString key = this->key(number);
    if (key.isEmpty())
        return {};
    if (scale == 1)
        return m_folder + QLatin1Char('/') + key;
    const QFileInfo info(key);
    return m_folder + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@%1x.").arg(scale) + info.suffix();
}

QPixmap PictureList::picture(int number, qreal devicePixelRatio) const
{
    const int scale = devicePixelRatio > 1.0 ? 2 : 1;
    QPixmap pixmap(path(number, scale));
    if (pixmap.isNull() && scale != 1)
        pixmap.load(path(number, 1));
    else
        pixmap.setDevicePixelRatio(scale);
    return pixmap;
}
