// The statement of materials without widgets: the calculation records it collects, the material
// table, quantities times counts, the totals by material and the CSV text.
#include "calc/materials.h"
#include "statement/statement_sheet.h"
#include "statement_job.h"

#include <QLocale>
#include <QTest>

#include <cstring>
#include <set>

using namespace Qt::StringLiterals;

namespace {
// Every field of a CSV text, with quotes undone; rows split at CR LF outside quotes.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u';') {
            row << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

int materialIndex(const char16_t *key)
{
    const Material *m = findMaterial(QString::fromUtf16(key));
    return m ? static_cast<int>(m - materials().data()) : -1;
}

QString totalText(const Statement &s, const char16_t *key)
{
    for (const MaterialQuantity &t : s.totals(u','))
        if (t.material == materialIndex(key))
            return t.text;
    return u"<none>"_s;
}

quint64 bits(double d)
{
    quint64 b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}
} // namespace

class TestStatement : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void everyResultCaptionNamesItsMaterial();
    void recordsKeepTheLogLines();
    void totals_data();
    void totals();
    void totalsAddTheStoredPositionQuantities();
    void subtotalsAndWorkQuantitiesAreNoMaterials();
    void countMultipliesAndBeyondTheRangeShowsOverflow();
    void csvParsesBack();
};

void TestStatement::everyResultCaptionNamesItsMaterial()
{
    std::set<QString> captions;
    for (const ResultCaption &c : resultCaptions()) {
        QVERIFY2(captions.insert(QString::fromUtf16(c.caption)).second, "a caption stands twice");
        if (c.kind == ResultKind::Material)
            QVERIFY2(findMaterial(QString::fromUtf16(c.material)), "an unknown material key");
        else
            QVERIFY(c.material == nullptr);
    }
    // Every row any calculator shows is in the table.
    for (const Calculation &calc :
        { masonryJob(), foundationJob(), paintingJob(), underlayerJob(), sowingJob() })
        for (const CalculationResult &r : calc.results)
            QVERIFY2(findResultCaption(r.caption), qPrintable(r.caption));
    // Also the rows no calculation of the job shows.
    for (const char16_t *caption : kUnderlayerRowCaptions)
        QVERIFY2(findResultCaption(QString::fromUtf16(caption)), "an underlayer row");
}

void TestStatement::recordsKeepTheLogLines()
{
    // The log lines come from the record: heading, then "caption: text" of every logged row.
    QCOMPARE(masonryJob().logLines(),
        (QStringList { u"Итоги произведенного расчета:"_s, u"Объем кирпичной кладки, м3.: 8,964"_s,
            u"Кирпич глиняный обыкновенный, шт.: 3540,78"_s, u"Раствор, м3: 2,107"_s,
            u"Пробки деревянные, м3: 0,008964"_s }));
    QCOMPARE(sowingJob().logLines().mid(0, 4),
        (QStringList { u"Условия расчета:"_s, u"Посев трав гидропосевом, 1000 м2"_s,
            u"Площадь участка, м2: 100"_s, u"Необходимые материалы:"_s }));
    QCOMPARE(
        masonryJob().summary, u"стена 10 × 3 м, толщина 0,36 м, окна 2 × 1,5 м, двери 1 × 2,1 м"_s);
    QCOMPARE(masonryJob().workQuantity()->text, u"8,964"_s);
}

void TestStatement::totals_data()
{
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("total");
    // Worked by hand from the job: counts multiply, like materials of different captions add.
    QTest::newRow("bricks, 1 + 3 walls") << u"brick"_s << u"14163,12"_s;
    QTest::newRow("mortar") << u"mortar"_s << u"8,426"_s;
    QTest::newRow("concrete: foundations m3 and underlayer cubic metres")
        << u"concrete"_s << u"11,784"_s;
    QTest::newRow("drying oil of two captions") << u"drying_oil"_s << u"3,76"_s;
    QTest::newRow("formwork panels x 4") << u"formwork_panels"_s << u"22,4"_s;
    QTest::newRow("red lead") << u"red_lead"_s << u"0,54"_s;
    QTest::newRow("grass seeds") << u"grass_seeds"_s << u"3"_s;
    QTest::newRow("unused turf is not listed") << u"turf"_s << u"<none>"_s;
    QTest::newRow("acid-resistant concrete is not concrete")
        << u"acid_resistant_concrete"_s << u"<none>"_s;
}

void TestStatement::totals()
{
    QFETCH(QString, material);
    QFETCH(QString, total);
    const Statement s = statementJob();
    QCOMPARE(totalText(s, reinterpret_cast<const char16_t *>(material.utf16())), total);
}

void TestStatement::totalsAddTheStoredPositionQuantities()
{
    // Independently: each position's quantity is its results' sum times the count, stored;
    // a total is the extended sum of those, stored.
    const Statement s = statementJob();
    for (const MaterialQuantity &t : s.totals(u',')) {
        long double sum = 0;
        for (int i = 0; i < s.size(); ++i) {
            const StatementPosition &p = s.at(i);
            long double perPiece = 0;
            for (const CalculationResult &r : p.calculation.results)
                if (r.kind == ResultKind::Material
                    && r.material == QStringView(materials()[t.material].key))
                    perPiece += r.value;
            const double position = static_cast<double>(perPiece * p.count);
            QCOMPARE(
                bits(s.quantity(i, t.material, u',').value), bits(perPiece == 0 ? 0.0 : position));
            sum += position;
        }
        QCOMPARE(bits(t.value), bits(static_cast<double>(sum)));
    }
}

void TestStatement::subtotalsAndWorkQuantitiesAreNoMaterials()
{
    const Calculation painting = paintingJob();
    QCOMPARE(painting.results[3].caption, u"Состав окрасочный, кг"_s);
    QCOMPARE(painting.results[3].kind, ResultKind::Subtotal);
    QCOMPARE(painting.results[0].kind, ResultKind::WorkQuantity);
    Statement s;
    s.insert(0, { painting, QString(), 1 });
    QStringList listed;
    for (const MaterialQuantity &t : s.totals(u','))
        listed << QString::fromUtf16(materials()[t.material].name) + u' ' + t.text;
    // 3,74 of paint composition is red lead and drying oil already counted.
    QCOMPARE(listed,
        (QStringList { u"Олифа 3,76"_s, u"Краски тертые 0,112"_s, u"Сурик железный тертый 0,54"_s,
            u"Ветошь 0,02"_s }));
    QCOMPARE(s.workQuantity(0, u',').text, u"20"_s);
}

void TestStatement::countMultipliesAndBeyondTheRangeShowsOverflow()
{
    Statement s;
    s.insert(0, { foundationJob(), QString(), 1 });
    s.setCount(0, 1000);
    QCOMPARE(s.quantity(0, materialIndex(u"concrete"), u',').text, u"2436"_s);
    s.setCount(0, 0); // a count is at least one
    QCOMPARE(s.at(0).count, 1);
    // A huge wall: one piece is stored, a million of them leave the double range.
    MasonryInput in { 1e150L, 1e150L, 0, 0, 0, 0, 1 };
    const MasonryResult r = computeMasonry(in, masonryVariantForNode(kMasonry240Node));
    s.insert(1, { masonryCalculation(u"стена"_s, {}, r, u','), QString(), 1000000 });
    QCOMPARE(s.quantity(1, materialIndex(u"brick"), u',').text, u"переполнение"_s);
    QVERIFY(std::isinf(s.totals(u',').front().value));
}

void TestStatement::csvParsesBack()
{
    const QByteArray bytes = statementCsv(statementJob(), u"11.12.2026"_s);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(bytes.mid(3)));
    QCOMPARE(rows[0], QStringList { u"Ведомость материалов"_s });
    QCOMPARE(rows[1], QStringList { u"Кладомер 2, 11.12.2026"_s });
    const QStringList header = rows[3];
    QCOMPARE(header.mid(0, 7),
        (QStringList { u"№"_s, u"Работа"_s, u"Наименование"_s, u"Исходные данные"_s,
            u"Количество"_s, u"Объем работ"_s, u"Ед. изм."_s }));
    const qsizetype bricks = header.indexOf(u"Кирпич глиняный обыкновенный, шт."_s);
    QVERIFY(bricks > 0);
    // The second wall: a name with ";" and quotes comes back whole, its bricks times three.
    QCOMPARE(rows[5][2], u"Стены; \"типовые\""_s);
    QCOMPARE(rows[5][4], u"3"_s);
    QCOMPARE(rows[5][5], u"26,89"_s);
    QCOMPARE(rows[5][static_cast<int>(bricks)], u"10622,34"_s);
    for (const QStringList &row : rows.mid(4, 6))
        QCOMPARE(row.size(), header.size());
    const qsizetype totalsAt = rows.indexOf(QStringList { u"Итого по материалам"_s });
    QVERIFY(totalsAt > 0);
    QCOMPARE(rows[totalsAt + 1], (QStringList { u"Материал"_s, u"Ед. изм."_s, u"Количество"_s }));
    QVERIFY(rows.contains(QStringList { u"Бетон"_s, u"м3"_s, u"11,784"_s }));
}

QTEST_GUILESS_MAIN(TestStatement)
#include "tst_statement.moc"
