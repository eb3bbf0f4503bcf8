#pragma once
// An ordered list of pictures addressed 1..N, as the oracle tables address
// their rows. Pictures are decoded when first asked for, at 1x or from their
// "@2x" drawing on high-density screens.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QStringList>

class PictureList {
public:
    // `folder` is a resource folder such as ":/ogham"; `keys` are file names in
    // row order; `backdrop` is the flat colour the pictures are drawn on, if
    // they have one.
    PictureList(QString folder, QStringList keys, QColor backdrop = {});

    int count() const { return int(m_keys.size()); }
    QString key(int number) const { return m_keys.value(number - 1); }
    // Picture `number` (1-based) for a screen of the given pixel ratio; a null
    // pixmap for a number outside the list.
    QPixmap picture(int number, qreal devicePixelRatio) const;
    // Picture `number` at 2x for a page: the backdrop taken off, so that the
    // piece stands on the paper, its soft edges and shadow kept.
    QImage pagePicture(int number) const;
    // The resource path of picture `number` at 1x, or at 2x.
    QString path(int number, int scale = 1) const;

private:
    QString m_folder;
    QStringList m_keys;
    QColor m_backdrop;
};
