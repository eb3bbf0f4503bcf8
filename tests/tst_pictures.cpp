// Every picture the oracles address by number is embedded, decodes, and has
// its size at 1x and at 2x.
#include "domino/dominopictures.h"
#include "goodluck/goodluckpictures.h"
#include "mahjong/mahjongpictures.h"
#include "ogham/oghampictures.h"
#include "oracleregistry.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>

class tst_Pictures : public QObject {
    Q_OBJECT

    static void verifyPicture(const QString &path1x, const QString &path2x, QSize size)
    {
        const QImage one(path1x);
        QVERIFY2(!one.isNull(), qPrintable(path1x));
        QCOMPARE(one.size(), size);
        const QImage two(path2x);
        QVERIFY2(!two.isNull(), qPrintable(path2x));
        QCOMPARE(two.size(), size * 2);
    }

    static void verifyList(const PictureList &list, int count, QSize size)
    {
        QCOMPARE(list.count(), count);
        for (int k = 1; k <= count; ++k)
            verifyPicture(list.path(k, 1), list.path(k, 2), size);
        // Numbers outside the list give nothing rather than a wrong picture.
        QVERIFY(list.picture(0, 1).isNull());
        QVERIFY(list.picture(count + 1, 1).isNull());
        QCOMPARE(list.picture(1, 2).deviceIndependentSize().toSize(), size);
    }

private slots:
    void numberedLists_data()
    {
        QTest::addColumn<PictureList>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<QSize>("size");
        QTest::newRow("IMGTree") << IMGTree() << 13 << OghamTreePictureSize;
        QTest::newRow("IMGDomino") << IMGDomino() << 7 << DominoHalfPictureSize;
        QTest::newRow("IMGMajong") << IMGMajong() << 42 << MahjongTilePictureSize;
        const int counts[] = {12, 18, 10, 8, 12, 2, 12};
        for (int culture = 0; culture < 7; ++culture)
            QTest::newRow(GoodLuckPictureSets[culture].folder)
                << goodLuckPictures(culture) << counts[culture] << GoodLuckPictureSize;
    }
    void numberedLists()
    {
        QFETCH(PictureList, list);
        QFETCH(int, count);
        QFETCH(QSize, size);
        verifyList(list, count, size);
    }

    void orderFollowsTheTables()
    {
        QCOMPARE(IMGTree().key(1), QStringLiteral("Birch.jpg"));
        QCOMPARE(IMGTree().key(13), QStringLiteral("Elder.jpg"));
        QCOMPARE(IMGMajong().key(5), QStringLiteral("bamboo-peacock.jpg")); // 1 Bamboo, not first
        QCOMPARE(IMGMajong().key(42), QStringLiteral("wind-west.jpg"));
        QCOMPARE(IMGDomino().key(7), QStringLiteral("blank.jpg"));
        QCOMPARE(goodLuckPictures(4).key(9), QStringLiteral("Rabbit's Foot.jpg"));
        const QStringList &nativeAmerican = GoodLuckPictureSets[6].names;
        QCOMPARE(nativeAmerican.mid(7, 3),
                 (QStringList{QStringLiteral("Rain Cloud"), QStringLiteral("Rain Drop"), QStringLiteral("Rain")}));
    }

    void startPicturesAndIcons()
    {
        verifyPicture(QStringLiteral(":/domino/dominoes.jpg"), QStringLiteral(":/domino/dominoes@2x.jpg"),
                      DominoStartPictureSize);
        verifyPicture(QStringLiteral(":/mahjong/tiles.jpg"), QStringLiteral(":/mahjong/tiles@2x.jpg"),
                      MahjongStartPictureSize);
        QStringList icons{QStringLiteral(":/shell/augurium.png"), QStringLiteral(":/shell/link-pointer.png"),
                          QStringLiteral(":/shell/link-pointer-2.png"), QStringLiteral(":/shell/hand-pointer.png")};
        for (const char *icon : OracleIcon)
            icons << QLatin1String(icon);
        for (const QString &icon : icons)
            verifyPicture(icon, QString(icon).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")), {32, 32});
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    tst_Pictures test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_pictures.moc"
