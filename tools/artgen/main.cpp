// augurium-artgen --assets DIR [--sheets DIR] [GROUP...]
// Writes every picture of the chosen groups (all when none is named) under
// DIR/<subdir>/ at 1x and @2x, and labelled contact sheets of each group at
// 2x (GROUP.png) and 1x (GROUP@1x.png).
// A GROUP argument chooses that group and every group named GROUP-something.
#include "artgen.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImageWriter>
#include <algorithm>
#include <cstdio>

using namespace artgen;

namespace {

bool write(const QImage &image, const QString &path)
{
    QImageWriter writer(path);
    if (path.endsWith(QLatin1String(".jpg")))
        writer.setQuality(92); // for PNG the same number would mean almost no compression
    if (!writer.write(image)) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

QImage contactSheet(const Group &group, int scale)
{
    constexpr int gap = 16, labelHeight = 34, columns = 6;
    QSize cell;
    for (const Picture &p : group.pictures)
        cell = cell.expandedTo(p.size * scale);
    cell += QSize(gap, gap + labelHeight);
    const int rows = (int(group.pictures.size()) + columns - 1) / columns;
    const int titleHeight = 40;
    QImage sheet(columns * cell.width() + gap, titleHeight + rows * cell.height() + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x30, 0x30));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
    painter.drawText(QRect(gap, 0, sheet.width(), titleHeight), Qt::AlignVCenter,
                     group.sheetTitle.isEmpty() ? group.name : group.sheetTitle);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    for (int i = 0; i < group.pictures.size(); ++i) {
        const Picture &p = group.pictures.at(i);
        const QPoint origin(gap + (i % columns) * cell.width(), titleHeight + (i / columns) * cell.height());
        const QImage image = render(p, scale);
        painter.drawImage(origin + QPoint((cell.width() - gap - image.width()) / 2, 0), image);
        const QRect label(origin.x(), origin.y() + cell.height() - gap - labelHeight, cell.width() - gap, labelHeight);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         QStringLiteral("%1. %2").arg(i + 1).arg(p.label.isEmpty() ? p.key : p.label));
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString assets, sheets;
    QStringList wanted;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--assets") && i + 1 < args.size())
            assets = args[++i];
        else if (args[i] == QLatin1String("--sheets") && i + 1 < args.size())
            sheets = args[++i];
        else
            wanted << args[i];
    }
    if (assets.isEmpty()) {
        std::fprintf(stderr, "usage: augurium-artgen --assets DIR [--sheets DIR] [GROUP...]\n");
        return 2;
    }
    QList<Group> groups;
    groups << iconGroups() << treeGroups() << dominoGroups() << mahjongGroups() << goodLuckGroups();
    bool ok = true;
    for (const Group &group : groups) {
        const bool chosen = wanted.isEmpty() || std::any_of(wanted.cbegin(), wanted.cend(), [&](const QString &w) {
                                return group.name == w || group.name.startsWith(w + QLatin1Char('-'));
                            });
        if (!chosen)
            continue;
        const QDir dir(assets + QLatin1Char('/') + group.subdir);
        QDir().mkpath(dir.path());
        for (const Picture &p : group.pictures)
            for (int scale : group.scales)
                ok = write(render(p, scale), dir.filePath(scaledKey(p.key, scale))) && ok;
        if (!sheets.isEmpty()) {
            QDir().mkpath(sheets);
            // at 2x to judge the drawing, at 1x to see what the program shows
            for (int scale : {2, 1})
                ok = write(contactSheet(group, scale),
                           sheets + QLatin1Char('/') + group.name
                               + (scale == 1 ? QStringLiteral("@1x.png") : QStringLiteral(".png")))
                     && ok;
        }
        std::printf("%s: %d pictures\n", qPrintable(group.name), int(group.pictures.size()));
    }
    return ok ? 0 : 1;
}
