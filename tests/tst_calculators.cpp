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

#include <algorithm>

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
    addMasonryCases();
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
    addUnderlayerCases();
}

void TestCalculators::underlayer()
{
    QFETCH(int, kind);
    QFETCH(QString, volume);
    QFETCH(QStringList, shown);
    std::vector<UnderlayerQuantity> quantities = computeUnderlayer(kind, ReadNumber(volume));
    std::sort(quantities.begin(), quantities.end(),
        [](const auto &a, const auto &b) { return a.row < b.row; });
    QStringList got;
    for (const UnderlayerQuantity &q : quantities)
        got << u"%1=%2"_s.arg(q.row + 1).arg(
            ::shown(q.value, kUnderlayerKindTable[kind].precision));
    QCOMPARE(got, shown);
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
