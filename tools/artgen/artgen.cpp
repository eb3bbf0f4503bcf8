#include "artgen.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <cstdio>
#include <cstdlib>

namespace artgen {

QImage render(const Picture &picture, qreal scale)
{
    QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
    const bool opaque = !picture.key.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    image.fill(opaque ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    picture.draw(painter, QSizeF(picture.size));
    painter.end();
    return opaque ? image.convertToFormat(QImage::Format_RGB32) : image;
}

QString scaledKey(const QString &key, int scale)
{
    if (scale == 1)
        return key;
    const QFileInfo info(key);
    return info.completeBaseName() + QStringLiteral("@%1x.").arg(scale) + info.suffix();
}

QString requireFamily(const QString &family)
{
    if (!QFontDatabase::families().contains(family)) {
        std::fprintf(stderr, "artgen: font family \"%s\" is not installed\n", qPrintable(family));
        std::exit(2);
    }
    return family;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void stroke(QPainter &painter, const QPainterPath &path, const QColor &colour, qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

} // namespace artgen
