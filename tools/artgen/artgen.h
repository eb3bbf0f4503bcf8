#pragma once
// The picture generator's small framework: a picture is a key, a size and a
// draw function written in logical pixels; the framework renders it at 1x and
// 2x and lays out contact sheets.
#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <QString>
#include <functional>

namespace artgen {

using DrawFn = std::function<void(QPainter &, const QSizeF &)>;

struct Picture {
    QString key;        // file name as the program looks it up, e.g. "Birch.jpg"
    QSize size;         // logical size in pixels
    DrawFn draw;        // draws into (0,0)-(size) in logical pixels; the painter is pre-scaled
    QString label = {}; // caption on the contact sheet; the key when empty
};

struct Group {
    QString name;   // command-line name, e.g. "trees"
    QString subdir; // under the assets folder, e.g. "ogham"
    QList<Picture> pictures;
    QString sheetTitle = {};
    QList<int> scales = {1, 2}; // a picture for each; an icon theme sized in pixels needs only 1
};

// Renders a picture at the given scale, antialiased, on a transparent
// background for PNG keys and white for JPEG keys (callers paint their own
// background when it matters).
QImage render(const Picture &picture, qreal scale);

// "Birch.jpg" -> "Birch@2x.jpg"
QString scaledKey(const QString &key, int scale);

// A font family known to exist on the generating machine; aborts with a clear
// message when it does not, so a missing package is not silently substituted.
QString requireFamily(const QString &family);

// Shapes the drawings share: a closed polygon, and a path stroked with round
// caps and joins.
QPainterPath polygon(std::initializer_list<QPointF> points);
void stroke(QPainter &painter, const QPainterPath &path, const QColor &colour, qreal width);

// The groups each source file contributes.
QList<Group> iconGroups();
QList<Group> treeGroups();
QList<Group> dominoGroups();
QList<Group> mahjongGroups();
QList<Group> goodLuckGroups();

} // namespace artgen
