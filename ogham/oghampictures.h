#pragma once
// IMGTree: picture k shows tree k of the Ogham table.
#include "picturelist.h"

inline const QStringList OghamTreePictureKeys{
    QStringLiteral("Birch.jpg"), QStringLiteral("Rowan.jpg"),  QStringLiteral("Ash.jpg"),
    QStringLiteral("Alder.jpg"), QStringLiteral("Willow.jpg"), QStringLiteral("Hawthorn.jpg"),
    QStringLiteral("Oak.jpg"),   QStringLiteral("Holly.jpg"),  QStringLiteral("Hazel.jpg"),
    QStringLiteral("Vine.jpg"),  QStringLiteral("Ivy.jpg"),    QStringLiteral("Reed.jpg"),
    QStringLiteral("Elder.jpg")};
inline constexpr QSize OghamTreePictureSize{125, 129};

inline PictureList IMGTree()
{
    return {QStringLiteral(":/ogham"), OghamTreePictureKeys};
}
