// The pure computations of the calculators, checked through the texts a page would show.
#include "calc/foundation.h"
#include "calc/masonry.h"
#include "calc/number_rules.h"
#include "calc/painting.h"
#include "calc/sowing.h"
#include "calc/underlayer.h"
#include "navigation/section_nodes.h"

#include "calculator_cases.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
Extended read(const char *text)
{
    return ReadNumber(QString::fromLatin1(text));
}
QString shown(double v, int precision = 4)
{
    return FormatResult(v, precision);
}
} // namespace

class TestCalculators : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void masonry_data();
    void masonry();
    void masonryWithoutMasonryNode();
    void masonryOverflow();

    void underlayer_data();
    void underlayer();
    void underlayerTablesAreWhole();

    void painting_data();
    void painting();

    void foundationVolume_data();
    void foundationVolume();
    void foundationMaterials();
    void foundationClasses_data();
    void foundationClasses();

    void sowing_data();
    void sowing();
};

void TestCalculators::masonry_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<QStringList>("inputs"); // wall L, H, window L, H, door L, H, thickness
    QTest::addColumn<QStringList>("texts"); // volume, bricks, mortar, plugs
    const QStringList worked { u"10"_s, u"3"_s, u"2"_s, u"1,5"_s, u"1"_s, u"2,1"_s };
    const auto with = [](QStringList in, const QString &t) { return in << t; };
    QTest::newRow("10x3 openings 240")
        << 2 << with(worked, u"0,24"_s)
        << QStringList { u"5,976"_s, u"2390,4"_s, u"1,327"_s, u"0,005976"_s };
    QTest::newRow("10x3 openings 360")
        << 3 << with(worked, u"0,36"_s)
        << QStringList { u"8,964"_s, u"3540,78"_s, u"2,107"_s, u"0,008964"_s };
    QTest::newRow("10x3 openings 480")
        << 4 << with(worked, u"0,48"_s)
        << QStringList { u"11,95"_s, u"4709,088"_s, u"2,821"_s, u"0,01195"_s };
    QTest::newRow("10x3 openings 600")
        << 5 << with(worked, u"0,6"_s)
        << QStringList { u"14,94"_s, u"5856,48"_s, u"3,675"_s, u"0,01494"_s };
    const QStringList plain { u"12"_s, u"3"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s };
    QTest::newRow("12x3 240") << 2 << with(plain, u"0,24"_s)
                              << QStringList { u"8,64"_s, u"3456"_s, u"1,918"_s, u"0,00864"_s };
    QTest::newRow("12x3 360") << 3 << with(plain, u"0,36"_s)
                              << QStringList { u"12,96"_s, u"5119,2"_s, u"3,046"_s, u"0,01296"_s };
    QTest::newRow("12x3 480") << 4 << with(plain, u"0,48"_s)
                              << QStringList { u"17,28"_s, u"6808,32"_s, u"4,078"_s, u"0,01728"_s };
    QTest::newRow("12x3 600") << 5 << with(plain, u"0,6"_s)
                              << QStringList { u"21,6"_s, u"8467,2"_s, u"5,314"_s, u"0,0216"_s };
    QTest::newRow("bricks from the stored volume")
        << 4 << QStringList { u"6"_s, u"2,5"_s, u"1,2"_s, u"1,4"_s, u"0,9"_s, u"2,1"_s, u"0,48"_s }
        << QStringList { u"5,486"_s, u"2161,6416"_s, u"1,295"_s, u"0,005486"_s };
    QTest::newRow("1000x20 600") << 5
                                 << QStringList { u"1000"_s, u"20"_s, u"0"_s, u"0"_s, u"0"_s,
                                        u"0"_s, u"0,6"_s }
                                 << QStringList { u"1,2E4"_s, u"4704000"_s, u"2952"_s, u"12"_s };
    QTest::newRow("openings larger than the wall")
        << 2 << QStringList { u"2"_s, u"1"_s, u"3"_s, u"1"_s, u"0"_s, u"0"_s, u"0,24"_s }
        << QStringList { u"-0,24"_s, u"-96"_s, u"-0,05328"_s, u"-0,00024"_s };
    QTest::newRow("all zero") << 2 << QStringList(7, u"0"_s)
                              << QStringList { u"0"_s, u"0"_s, u"0"_s, u"0"_s };
}

void TestCalculators::masonry()
{
    QFETCH(int, node);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, texts);
    MasonryInput in {};
    Extended *fields[] = { &in.wallLength, &in.wallHeight, &in.windowLength, &in.windowHeight,
        &in.doorLength, &in.doorHeight, &in.thickness };
    for (int i = 0; i < 7; ++i)
        *fields[i] = ReadNumber(inputs[i]);
    const MasonryResult r = computeMasonry(in, masonryVariantForNode(node));
    QCOMPARE(
        (QStringList { shown(r.volume), shown(r.bricks, 10), shown(r.mortar), shown(r.plugs) }),
        texts);
}

void TestCalculators::masonryWithoutMasonryNode()
{
    QVERIFY(masonryVariantForNode(kFireProtectionNode) == nullptr);
    const MasonryResult r = computeMasonry({ 10, 3, 0, 0, 0, 0, 0.24L }, nullptr);
    QCOMPARE(shown(r.volume), u"7,2"_s);
    QCOMPARE(r.bricks, 0.0);
    QCOMPARE(r.mortar, 0.0);
    QCOMPARE(r.plugs, 0.0);
}

void TestCalculators::masonryOverflow()
{
    QVERIFY_THROWS_EXCEPTION(EOverflow,
        computeMasonry(
            { 1e200L, 1e200L, 0, 0, 0, 0, 0.24L }, masonryVariantForNode(kMasonry240Node)));
}

void TestCalculators::underlayer_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QStringList>("texts"); // in the kind's own order
    const auto row = [](const char *tag, int kind, const char16_t *volume,
                         std::initializer_list<const char16_t *> texts) {
        QStringList t;
        for (const char16_t *s : texts)
            t << QString::fromUtf16(s);
        QTest::newRow(tag) << kind << QString::fromUtf16(volume) << t;
    };
    row("kind 0 volume 1", 0, u"1", { u"1,11" });
    row("kind 2 volume 1", 2, u"1", { u"0,97", u"0,09", u"0,16" });
    row("kind 4 volume 1", 4, u"1", { u"0,43", u"0,98", u"78,5" });
    row("kind 7 volume 1", 7, u"1", { u"0,74", u"0,17", u"0,095" });
    row("kind 9 volume 1", 9, u"1", { u"1,02", u"26" });
    row("kind 4 volume 10", 4, u"10", { u"4,3", u"9,8", u"785" });
    row("kind 6 volume 10", 6, u"10", { u"2", u"4,5", u"9" });
    row("kind 4 volume 1000", 4, u"1000", { u"430", u"980", u"7,85E4" });
    row("kind 3 volume 10000", 3, u"10000", { u"4300", u"1,02E4" });
    row("kind 8 volume 10000", 8, u"10000", { u"10200" });
    row("kind 0 volume 0,001", 0, u"0,001", { u"0,00111" });
    row("kind 2 volume 0,001", 2, u"0,001", { u"0,00097", u"9E-5", u"0,00016" });
    row("kind 7 volume 0,001", 7, u"0,001", { u"0,00074", u"0,00017", u"9,5E-5" });
    row("kind 7 volume 0,01", 7, u"0,01", { u"0,0074", u"0,0017", u"0,00095" });
    row("kind 1 volume 0", 1, u"0", { u"0" });
    row("kind 0 volume -1", 0, u"-1", { u"-1,11" });
    row("kind 5 volume 2,50", 5, u"2,50", { u"0,825", u"1,9", u"1" });
}

void TestCalculators::underlayer()
{
    QFETCH(int, kind);
    QFETCH(QString, volume);
    QFETCH(QStringList, texts);
    QStringList got;
    for (const UnderlayerQuantity &q : computeUnderlayer(kind, ReadNumber(volume)))
        got << shown(q.value, kUnderlayerKindTable[kind].precision);
    QCOMPARE(got, texts);
}

void TestCalculators::underlayerTablesAreWhole()
{
    // Row 8 (clay and sand) belongs to no kind; kind 7 lists cobblestone, crushed stone, sand.
    for (const UnderlayerKind &k : kUnderlayerKindTable)
        for (const UnderlayerMaterial &m : k.materials)
            QVERIFY(m.row != 7);
    QCOMPARE(kUnderlayerKindTable[7].materials[0].row, 11);
    QCOMPARE(kUnderlayerKindTable[7].materials[2].row, 0);
    QVERIFY_THROWS_EXCEPTION(EOverflow, computeUnderlayer(9, ReadNumber(u"1E309"_s)));
}

void TestCalculators::painting_data()
{
    addPaintingCases();
}

void TestCalculators::painting()
{
    QFETCH(QString, length);
    QFETCH(QString, width);
    QFETCH(int, coats);
    QFETCH(QStringList, texts);
    const PaintingResult r = computePainting(ReadNumber(length), ReadNumber(width), coats);
    QCOMPARE(
        (QStringList { shown(r.area), shown(r.oilForOiling), shown(r.groundPaints),
            shown(r.paintComposition), shown(r.redLead), shown(r.oilForPainting), shown(r.rags) }),
        texts);
}

void TestCalculators::foundationVolume_data()
{
    addFoundationVolumeCases();
}

void TestCalculators::foundationVolume()
{
    QFETCH(QString, length);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, volume);
    QCOMPARE(shown(::foundationVolume(ReadNumber(length), ReadNumber(width), ReadNumber(height))),
        volume);
}

void TestCalculators::foundationMaterials()
{
    // 2 x 1,5 x 0,8: volume 2,4; side faces 2 x 3,5 x 0,8 = 5,6 m2.
    const FoundationResult r
        = computeFoundation(read("2"), ReadNumber(u"1,5"_s), ReadNumber(u"0,8"_s));
    QStringList texts;
    for (double m : r.materials)
        texts << shown(m);
    QCOMPARE(
        texts, (QStringList { u"2,436"_s, u"5,6"_s, u"0,112"_s, u"1,68"_s, u"0,28"_s, u"0,14"_s }));
}

void TestCalculators::foundationClasses_data()
{
    QTest::addColumn<double>("volume");
    QTest::addColumn<int>("foundationClass");
    QTest::addColumn<bool>("fits");
    QTest::newRow("3 in class 1") << 3.0 << 0 << true;
    QTest::newRow("3,01 not in class 1") << 3.01 << 0 << false;
    QTest::newRow("5 in class 2") << 5.0 << 1 << true;
    QTest::newRow("5 not in class 3") << 5.0 << 2 << false;
    QTest::newRow("5,5 in class 3") << 5.5 << 2 << true;
    QTest::newRow("25 in class 4") << 25.0 << 3 << true;
    QTest::newRow("25 not in class 5") << 25.0 << 4 << false;
    QTest::newRow("26 in class 5") << 26.0 << 4 << true;
}

void TestCalculators::foundationClasses()
{
    QFETCH(double, volume);
    QFETCH(int, foundationClass);
    QFETCH(bool, fits);
    QCOMPARE(volumeFitsClass(volume, foundationClass), fits);
}

void TestCalculators::sowing_data()
{
    addSowingCases();
}

void TestCalculators::sowing()
{
    QFETCH(int, work);
    QFETCH(QStringList, texts);
    const SowingResult r = computeSowing(10, 10, work);
    QCOMPARE(shown(r.area), u"100"_s);
    QStringList got;
    for (double m : r.materials)
        got << shown(m);
    QCOMPARE(got, texts);
}

QTEST_GUILESS_MAIN(TestCalculators)
#include "tst_calculators.moc"
