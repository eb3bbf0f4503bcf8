#pragma once
// An ordered list of pictures addressed 1..N, as the oracle tables address
// their rows. Pictures are decoded when first asked for, at 1x or from their
// "@2x" drawing on high-density screens.
#include <QPixmap>
#include <QStringList>

class PictureList {
public:
    // `folder` is a resource folder such as ":/ogham"; `keys` are file names in row order.
    PictureList(QString folder, QStringList keys);

    int count() const { return int(m_keys.size()); }
    QString key(int number) const { return m_keys.value(number - 1); }
    // Picture `number` (1-based) for a screen of the given pixel ratio; a null
    // pixmap for a number outside the list.
    QPixmap picture(int number, qreal devicePixelRatio) const;
    // The resource path of picture `number` at 1x, or at 2x.
    QString path(int number, int scale = 1) const;

private:
    QString m_folder;
    QStringList m_keys;
};
