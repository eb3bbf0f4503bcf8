#include "pointers.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <array>
#include <optional>

namespace {
struct PointerPicture {
    const char *path;
    QPoint hotSpot;
};

constexpr std::array<PointerPicture, 3> Pictures{{
    {":/shell/link-pointer.png", {7, 1}},
    {":/shell/link-pointer-2.png", {1, 1}},
    {":/shell/hand-pointer.png", {7, 1}},
}};
}

QCursor pointerCursor(Pointer pointer)
{
    static std::array<std::optional<QCursor>, Pictures.size()> cache;
    const auto index = std::size_t(pointer);
    if (!cache[index]) {
        const PointerPicture &picture = Pictures[index];
        // QIcon picks the @2x drawing on high-density screens.
        const QPixmap pixmap = QIcon(QLatin1String(picture.path)).pixmap(QSize(32, 32), qApp->devicePixelRatio());
        cache[index] = QCursor(pixmap, picture.hotSpot.x(), picture.hotSpot.y());
    }
    return *cache[index];
}
