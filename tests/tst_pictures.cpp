// The compiled-in pictures: every unpacked picture matches the PNG it was made from, every icon
// the program asks for is there at each of its sizes, and the unpacker refuses damaged bytes.
#include "resources/pictures.h"
#include "resources/raw_picture.h"

#include "icon_list.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void unpackedPicturesMatchTheirPngs();
    void iconsHaveEverySize_data();
    void iconsHaveEverySize();
    void roundTrip();
    void damagedBytesGiveNoPicture_data();
    void damagedBytesGiveNoPicture();
};

void TestPictures::unpackedPicturesMatchTheirPngs()
{
    const QDir source(QStringLiteral(KLADOMER_SOURCE_DIR "/resources"));
    const QStringList packed = QDir(u":/pictures"_s).entryList();
    QVERIFY(packed.contains(u"emblem.argb"_s));
    for (const QString &file : packed) {
        const QString name = QFileInfo(file).completeBaseName();
        QString png = source.filePath(name + u".png"_s);
        if (!QFileInfo::exists(png))
            png = source.filePath(u"icons/png/"_s + name + u".png"_s);
        const QImage expected = QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY2(!expected.isNull(), qPrintable(png));
        QCOMPARE(loadRawPicture(u":/pictures/"_s + file), expected);
    }
}

void TestPictures::iconsHaveEverySize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("sizes");
    // The build's icon list (resources/CMakeLists.txt): each must be drawn at each size.
    for (const IconSizes &icon : kIconList) {
        const QString name = QString::fromUtf16(icon.name);
        QTest::newRow(qPrintable(name)) << name << QList<int>(icon.sizes);
    }
}

void TestPictures::iconsHaveEverySize()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, sizes);
    const QIcon icon = loadIcon(name);
    for (int size : sizes) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        QCOMPARE(pixmap.size(), QSize(size, size));
        // Drawn, not blank: the middle of every icon of ours is opaque.
        QCOMPARE(pixmap.toImage().pixelColor(size / 2, size / 2).alpha() > 0, true);
    }
}

void TestPictures::roundTrip()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixelColor(0, 0, QColor(200, 10, 20, 128));
    image.setPixelColor(2, 1, QColor(0, 255, 0));
    const QImage back = unpackRawPicture(packRawPicture(image));
    QCOMPARE(back.size(), image.size());
    QCOMPARE(back, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestPictures::damagedBytesGiveNoPicture_data()
{
    QImage image(4, 3, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    const QByteArray good = packRawPicture(image);
    QByteArray wrongMagic = good;
    wrongMagic[0] = 'X';
    QByteArray zeroWidth = good;
    zeroWidth[4] = zeroWidth[5] = zeroWidth[6] = zeroWidth[7] = 0;
    QByteArray hugeHeight = good;
    hugeHeight[8] = hugeHeight[9] = hugeHeight[10] = hugeHeight[11] = char(0xff);

    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only, cut") << good.left(10);
    QTest::newRow("pixels cut short") << good.chopped(1);
    QTest::newRow("bytes left over") << good + 'x';
    QTest::newRow("wrong magic") << wrongMagic;
    QTest::newRow("zero width") << zeroWidth;
    QTest::newRow("height beyond any picture") << hugeHeight;
}

void TestPictures::damagedBytesGiveNoPicture()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(unpackRawPicture(bytes).isNull());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
