// Number entry, storing to double, the general number format and the error texts.
#include "app/error_report.h"
#include "calc/number_rules.h"
#include "log/in_out_error.h"

#include <QLocale>
#include <QTest>

#include <cerrno>
#include <cfloat>
#include <cstring>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Extended)

class TestNumberRules : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void formatResult_data();
    void formatResult();
    void formatResultUsesRegionalSeparator();

    void readNumber_data();
    void readNumber();
    void readNumberInvalid_data();
    void readNumberInvalid();
    void readNumberPointSettings();
    void readNumberIsNearestExtended_data();
    void readNumberIsNearestExtended();

    void storeDoubleRoundsToNearest();
    void storeDoubleOverflowEdge();

    void fullStopRule_data();
    void fullStopRule();
    void inOutMessages_data();
    void inOutMessages();
    void guardedReportsAndGoesOn();
};

void TestNumberRules::formatResult_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("p4");
    QTest::addColumn<QString>("p5");
    QTest::addColumn<QString>("p10");
    const auto row = [](const char *tag, double v, const char *a, const char *b, const char *c) {
        QTest::newRow(tag) << v << QString::fromUtf8(a) << QString::fromUtf8(b)
                           << QString::fromUtf8(c);
    };
    row("zero", 0.0, "0", "0", "0");
    row("negative zero", -0.0, "0", "0", "0");
    row("0.000005", 0.000005, "5E-6", "5E-6", "5E-6");
    row("0.00009", 0.00009, "9E-5", "9E-5", "9E-5");
    row("0.000099999", 0.000099999, "0,0001", "9,9999E-5", "9,9999E-5");
    row("0.0001", 0.0001, "0,0001", "0,0001", "0,0001");
    row("0.000123456", 0.000123456, "0,0001235", "0,00012346", "0,000123456");
    row("0.24", 0.24, "0,24", "0,24", "0,24");
    row("1.2345 lies below its decimal", 1.2345, "1,234", "1,2345", "1,2345");
    row("2.5", 2.5, "2,5", "2,5", "2,5");
    row("-2.5", -2.5, "-2,5", "-2,5", "-2,5");
    row("1234.5", 1234.5, "1235", "1234,5", "1234,5");
    row("9999.4", 9999.4, "9999", "9999,4", "9999,4");
    row("9999.5 carries into the exponent", 9999.5, "1E4", "9999,5", "9999,5");
    row("12345.6", 12345.6, "1,235E4", "12346", "12345,6");
    row("78500", 78500.0, "7,85E4", "78500", "78500");
    row("123456789", 123456789.0, "1,235E8", "1,2346E8", "123456789");
    row("1e20", 1e20, "1E20", "1E20", "1E20");
    row("largest double", DBL_MAX, "1,798E308", "1,7977E308", "1,797693135E308");
    row("smallest denormal", 4.9406564584124654e-324, "4,941E-324", "4,9407E-324",
        "4,940656458E-324");
    row("bricks of the worked wall", 3540.78, "3541", "3540,8", "3540,78");
}

void TestNumberRules::formatResult()
{
    QFETCH(double, value);
    QFETCH(QString, p4);
    QFETCH(QString, p5);
    QFETCH(QString, p10);
    QCOMPARE(FormatResult(value, 4), p4);
    QCOMPARE(FormatResult(value, 5), p5);
    QCOMPARE(FormatResult(value, 10), p10);
}

void TestNumberRules::formatResultUsesRegionalSeparator()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(FormatResult(-2.5, 4), u"-2.5"_s);
    QCOMPARE(FormatResult(12345.6, 4), u"1.235E4"_s);
    QCOMPARE(FormatResult(1234567.0, 10), u"1234567"_s); // never a thousands separator
}

void TestNumberRules::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Extended>("value");
    QTest::newRow("12") << u"12"_s << Extended(12);
    QTest::newRow("blanks around") << u" 12 "_s << Extended(12);
    QTest::newRow("plus") << u"+12"_s << Extended(12);
    QTest::newRow("-1,5") << u"-1,5"_s << Extended(-1.5);
    QTest::newRow("1,") << u"1,"_s << Extended(1);
    QTest::newRow(",5") << u",5"_s << Extended(0.5);
    QTest::newRow("separator alone") << u","_s << Extended(0);
    QTest::newRow("minus separator") << u"-,"_s << Extended(-0.0);
    QTest::newRow("1e3") << u"1e3"_s << Extended(1000);
    QTest::newRow("1E+3") << u"1E+3"_s << Extended(1000);
    QTest::newRow("1000") << u"1000"_s << Extended(1000);
    QTest::newRow("5E-3") << u"5E-3"_s << 0.005L;
    QTest::newRow("5e") << u"5e"_s << Extended(5);
    QTest::newRow("5E+") << u"5E+"_s << Extended(5);
    QTest::newRow("1E600") << u"1E600"_s << 1e600L;
    QTest::newRow("exponent stops at 500") << u"1E499"_s << 1e499L;
    QTest::newRow("underflow is no error") << u"1E-4999"_s << Extended(0);
}

void TestNumberRules::readNumber()
{
    QFETCH(QString, text);
    QFETCH(Extended, value);
    const Extended read = ReadNumber(text);
    QVERIFY2(read == value && std::signbit(read) == std::signbit(value), qPrintable(text));
}

void TestNumberRules::readNumberInvalid_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one blank") << u" "_s;
    QTest::newRow("plus alone") << u"+"_s;
    QTest::newRow("minus alone") << u"-"_s;
    QTest::newRow("blank after sign") << u"- 5"_s;
    QTest::newRow("point under comma settings") << u"1.5"_s;
    QTest::newRow("thousands blank") << u"1 000"_s;
    QTest::newRow("two separators") << u"5,5,5"_s;
    QTest::newRow("exponent without mantissa") << u"e5"_s;
    QTest::newRow("blank before exponent") << u"5 E3"_s;
    QTest::newRow("unit") << u"12 м"_s;
    QTest::newRow("exponent left over") << u"1E5000"_s;
    QTest::newRow("beyond extended range") << u"1E4999"_s;
    QTest::newRow("tab") << u"\t12"_s;
    QTest::newRow("letters") << u"abc"_s;
    QTest::newRow("non-ASCII digits") << u"١٢"_s;
}

void TestNumberRules::readNumberInvalid()
{
    QFETCH(QString, text);
    try {
        ReadNumber(text);
        QFAIL("accepted");
    } catch (const EConvertError &e) {
        QCOMPARE(e.message(), u"'"_s + text + u"' is not a valid floating point value"_s);
    }
}

void TestNumberRules::readNumberPointSettings()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(ReadNumber(u"1.5"_s) == 1.5L);
    QVERIFY_THROWS_EXCEPTION(EConvertError, ReadNumber(u"1,5"_s));
}

void TestNumberRules::readNumberIsNearestExtended_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Extended>("value");
    QTest::newRow("0,222") << u"0,222"_s << 0.222L;
    QTest::newRow("0,1") << u"0,1"_s << 0.1L;
    QTest::newRow("18,7") << u"18,7"_s << 18.7L;
    QTest::newRow("1,1E-10") << u"1,1E-10"_s << 1.1e-10L;
    QTest::newRow("19 digits") << u"1234567890123456789"_s << 1234567890123456789.0L;
    QTest::newRow("2,50") << u"2,50"_s << 2.5L;
}

void TestNumberRules::readNumberIsNearestExtended()
{
    QFETCH(QString, text);
    QFETCH(Extended, value);
    QVERIFY(ReadNumber(text) == value);
}

void TestNumberRules::storeDoubleRoundsToNearest()
{
    QCOMPARE(storeDouble(0.1L), 0.1);
    QCOMPARE(storeDouble(0.36L * 24.9L), 8.964);
    // 1E200 x 1E200 fits the extended range but not a double.
    QVERIFY_THROWS_EXCEPTION(EOverflow, storeDouble(1e200L * 1e200L));
}

void TestNumberRules::storeDoubleOverflowEdge()
{
    const Extended largest = DBL_MAX;
    const Extended edge = largest + 0x1p970L; // half an ulp above the largest double
    const Extended below = std::nextafter(edge, Extended(0));
    QCOMPARE(storeDouble(below), DBL_MAX); // rounds to the largest double: no overflow
    QCOMPARE(storeDouble(-below), -DBL_MAX);
    QVERIFY_THROWS_EXCEPTION(EOverflow, storeDouble(edge));
    QVERIFY_THROWS_EXCEPTION(EOverflow, storeDouble(-edge));
    QVERIFY_THROWS_EXCEPTION(EOverflow, storeDouble(std::numeric_limits<Extended>::infinity()));
    try {
        storeDouble(edge);
    } catch (const EOverflow &e) {
        QCOMPARE(e.message(), u"Floating point overflow"_s);
    }
}

void TestNumberRules::fullStopRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << u"Floating point overflow"_s << u"Floating point overflow."_s;
    QTest::newRow("apostrophe-free digit") << u"I/O error 28"_s << u"I/O error 28."_s;
    QTest::newRow("full stop already") << u"Done."_s << u"Done."_s;
    QTest::newRow("exclamation sorts before") << u"Stop!"_s << u"Stop!"_s;
    QTest::newRow("slash sorts after") << u"a/"_s << u"a/."_s;
    QTest::newRow("Cyrillic") << u"Выберите вид работ"_s << u"Выберите вид работ."_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestNumberRules::fullStopRule()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(withFullStop(message), shown);
}

void TestNumberRules::inOutMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("ENOENT") << ENOENT << u"Invalid filename"_s;
    QTest::newRow("ENOTDIR") << ENOTDIR << u"Invalid filename"_s;
    QTest::newRow("EACCES") << EACCES << u"File access denied"_s;
    QTest::newRow("EPERM") << EPERM << u"File access denied"_s;
    QTest::newRow("EROFS") << EROFS << u"File access denied"_s;
    QTest::newRow("EMFILE") << EMFILE << u"Too many open files"_s;
    QTest::newRow("ENFILE") << ENFILE << u"Too many open files"_s;
    QTest::newRow("ENOSPC") << ENOSPC << u"I/O error %1"_s.arg(ENOSPC);
    QTest::newRow("EIO") << EIO << u"I/O error %1"_s.arg(EIO);
}

void TestNumberRules::inOutMessages()
{
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(EInOutError(code).message(), message);
}

void TestNumberRules::guardedReportsAndGoesOn()
{
    QStringList shown;
    ErrorSink previous = setErrorSink([&](const QString &text) { shown << text; });
    QVERIFY(!runGuarded([] { ReadNumber(QString()); }));
    QVERIFY(runGuarded([] {}));
    setErrorSink(std::move(previous));
    QCOMPARE(shown, QStringList { u"'' is not a valid floating point value."_s });
}

QTEST_GUILESS_MAIN(TestNumberRules)
#include "tst_number_rules.moc"
