#include "pointers.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <array>

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
    const PointerPicture &picture = Pictures.at(std::size_t(pointer));
    // QIcon picks the @2x drawing on high-density screens and keeps what it
    // decodes in the toolkit's own cache, which ends with the application.
    const QPixmap pixmap = QIcon(QLatin1String(picture.path)).pixmap(QSize(32, 32), qApp->devicePixelRatio());
    return QCursor(pixmap, picture.hotSpot.x(), picture.hotSpot.y());
}
