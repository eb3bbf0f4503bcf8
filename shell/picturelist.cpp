#include "picturelist.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {
// How far from the backdrop a pixel of it may stray: the pictures are JPEGs.
constexpr int BackdropTolerance = 56;

int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The least opaque colour that, laid over `backdrop`, gives `pixel`: a
// shadow becomes a translucent dark, the backdrop itself nothing.
QRgb overBackdrop(QRgb pixel, QRgb backdrop)
{
    qreal alpha = 0;
    for (const auto &[c, b] : {std::pair{qRed(pixel), qRed(backdrop)}, std::pair{qGreen(pixel), qGreen(backdrop)},
                               std::pair{qBlue(pixel), qBlue(backdrop)}}) {
        if (c > b)
            alpha = std::max(alpha, qreal(c - b) / (255 - b));
        else if (c < b)
            alpha = std::max(alpha, qreal(b - c) / b);
    }
    if (alpha < 0.08) // the JPEG's noise
        return qRgba(0, 0, 0, 0);
    const auto unmixed = [&](int c, int b) { return std::clamp(qRound(b + (c - b) / alpha), 0, 255); };
    return qRgba(unmixed(qRed(pixel), qRed(backdrop)), unmixed(qGreen(pixel), qGreen(backdrop)),
                 unmixed(qBlue(pixel), qBlue(backdrop)), qRound(alpha * 255));
}

// The backdrop is what lies near its colour and reaches the picture's edge;
// the same colour inside the piece (a domino's black pips) stays. A pixel on
// the piece's rim is a mix of the piece's colour beside it and the backdrop:
// it keeps that colour, as opaque as its share of it.
QImage withoutBackdrop(const QImage &picture, QColor backdrop)
{
    const QImage in = picture.convertToFormat(QImage::Format_RGB32);
    const int w = in.width(), h = in.height();
    const QRgb b = backdrop.rgb();
    std::vector<char> behind(size_t(w) * h, 0);
    std::vector<QPoint> open;
    const auto reach = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || behind[size_t(y) * w + x])
            return;
        if (distance(in.pixel(x, y), b) > BackdropTolerance)
            return;
        behind[size_t(y) * w + x] = 1;
        open.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) {
        reach(x, 0);
        reach(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        reach(0, y);
        reach(w - 1, y);
    }
    while (!open.empty()) {
        const QPoint p = open.back();
        open.pop_back();
        reach(p.x() + 1, p.y());
        reach(p.x() - 1, p.y());
        reach(p.x(), p.y() + 1);
        reach(p.x(), p.y() - 1);
    }
    // The rim: outside the backdrop, beside it.
    const auto at = [&](const std::vector<char> &mask, int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && mask[size_t(y) * w + x];
    };
    std::vector<char> rim(size_t(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (!at(behind, x, y) && at(behind, x + dx, y + dy))
                        rim[size_t(y) * w + x] = 1;
    QImage out(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = in.pixel(x, y);
            if (at(behind, x, y)) {
                out.setPixel(x, y, overBackdrop(pixel, b));
                continue;
            }
            // The piece's colour: its pixels nearby that are neither backdrop nor rim.
            int red = 0, green = 0, blue = 0, n = 0;
            for (int dy = -2; at(rim, x, y) && dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || at(behind, nx, ny) || at(rim, nx, ny))
                        continue;
                    const QRgb piece = in.pixel(nx, ny);
                    red += qRed(piece);
                    green += qGreen(piece);
                    blue += qBlue(piece);
                    ++n;
                }
            if (n == 0) {
                out.setPixel(x, y, pixel | 0xff000000);
                continue;
            }
            // The piece's share a in pixel = a piece + (1 - a) backdrop.
            const qreal f[] = {qreal(red) / n - qRed(b), qreal(green) / n - qGreen(b), qreal(blue) / n - qBlue(b)};
            const qreal c[] = {qreal(qRed(pixel) - qRed(b)), qreal(qGreen(pixel) - qGreen(b)),
                               qreal(qBlue(pixel) - qBlue(b))};
            const qreal ff = f[0] * f[0] + f[1] * f[1] + f[2] * f[2];
            const qreal alpha = ff < 1 ? 1 : std::clamp((c[0] * f[0] + c[1] * f[1] + c[2] * f[2]) / ff, 0.0, 1.0);
            out.setPixel(x, y,
                         alpha >= 1 ? pixel | 0xff000000
                                    : qRgba(qRound(qRed(b) + f[0]), qRound(qGreen(b) + f[1]), qRound(qBlue(b) + f[2]),
                                            qRound(alpha * 255)));
        }
    }
    return out;
}
}

PictureList::PictureList(QString folder, QStringList keys, QColor backdrop)
    : m_folder(std::move(folder))
    , m_keys(std::move(keys))
    , m_backdrop(backdrop)
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

QImage PictureList::pagePicture(int number) const
{
    const QImage picture = this->picture(number, 2).toImage();
    if (!m_backdrop.isValid() || picture.isNull())
        return picture;
    return withoutBackdrop(picture, m_backdrop);
}
