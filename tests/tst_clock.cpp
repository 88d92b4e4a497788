// The clock texts under different regional settings.
#include "app/clock.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestClock : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void clockSourceCanBeSet();
};

void TestClock::texts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QString>("dateText");
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    QTest::newRow("Russian afternoon") << ru << QTime(14, 5, 9) << u"14:05:09"_s << u"11.12.2026"_s;
    QTest::newRow("Russian morning") << ru << QTime(7, 0, 0) << u"07:00:00"_s << u"11.12.2026"_s;
    QTest::newRow("US afternoon") << us << QTime(14, 5, 9) << u"2:05:09 PM"_s << u"12/11/26"_s;
    QTest::newRow("US midnight") << us << QTime(0, 30, 0) << u"12:30:00 AM"_s << u"12/11/26"_s;
    QTest::newRow("German") << de << QTime(9, 5, 9) << u"09:05:09"_s << u"11.12.26"_s;
}

void TestClock::texts()
{
    QFETCH(QLocale, locale);
    QFETCH(QTime, time);
    QFETCH(QString, timeText);
    QFETCH(QString, dateText);
    QCOMPARE(longTimeText(time, locale), timeText);
    QCOMPARE(shortDateText(QDate(2026, 12, 11), locale), dateText);
}

void TestClock::clockSourceCanBeSet()
{
    const QDateTime fixed(QDate(2026, 12, 11), QTime(14, 5, 9));
    Clock::setSource([fixed] { return fixed; });
    QCOMPARE(Clock::now(), fixed);
    Clock::setSource({});
    QVERIFY(Clock::now() != fixed);
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
