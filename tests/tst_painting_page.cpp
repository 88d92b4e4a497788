// The surface painting page driven through its widgets, with a real log.
#include "calc/painting_page.h"
#include "calculator_cases.h"
#include "log/calculation_log.h"
#include "test_support.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLocale>
#include <QRadioButton>

using namespace Qt::StringLiterals;

class TestPaintingPage : public QObject, protected PageFixture<PaintingPage> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startState();
    void calculate_data();
    void calculate();
    void logBlock();
    void calculateTwiceLogsTwice();
    void clearThenCalculate();

private:
    QStringList shownResults() const;
    void run(const QString &length, const QString &width, int coats);
};

void TestPaintingPage::init()
{
    startPage();
}

void TestPaintingPage::cleanup()
{
    stopPage();
}

QStringList TestPaintingPage::shownResults() const
{
    return shownTexts({ m_page->Label104, m_page->Label69, m_page->Label70, m_page->Label71,
        m_page->Label72, m_page->Label73, m_page->Label74 });
}

void TestPaintingPage::run(const QString &length, const QString &width, int coats)
{
    typeInto(m_page->Edit13, length);
    typeInto(m_page->Edit14, width);
    clickRadio(m_page->coats->button(coats));
    QTest::mouseClick(m_page->BitBtn6, Qt::LeftButton);
}

void TestPaintingPage::startState()
{
    QCOMPARE(m_page->Edit13->text(), u"0"_s);
    QCOMPARE(m_page->Edit14->text(), u"0"_s);
    QCOMPARE(m_page->coats->checkedId(), 0);
    QCOMPARE(shownResults(), QStringList(7, u"<hidden>"_s));
    // Clicking the chosen item keeps one item chosen.
    clickRadio(m_page->coats->button(0));
    QCOMPARE(m_page->coats->checkedId(), 0);
}

void TestPaintingPage::calculate_data()
{
    addPaintingCases();
}

void TestPaintingPage::calculate()
{
    QFETCH(QString, length);
    QFETCH(QString, width);
    QFETCH(int, coats);
    QFETCH(QStringList, texts);
    run(length, width, coats);
    QVERIFY(m_errors->messages.isEmpty());
    QCOMPARE(shownResults(), texts);
}

void TestPaintingPage::logBlock()
{
    run(u"4"_s, u"5"_s, 0);
    QCOMPARE(m_log->lines().mid(1),
        (QStringList {
            u"Условия расчета:"_s,
            u"Окраска в один слой"_s,
            u"Необходимые материалы:"_s,
            u"Олифа, кг: 0,56"_s,
            u"Краски тертые, кг: 0,112"_s,
            u"Состав окрасочный, кг: 3,74"_s,
            u"Сурик железный тертый, кг.: 0,54"_s,
            u"Олифа,кг : 3,2"_s,
            u"Ветошь,кг: 0,02"_s,
        }));
}

void TestPaintingPage::calculateTwiceLogsTwice()
{
    run(u"4"_s, u"5"_s, 1);
    QTest::mouseClick(m_page->BitBtn6, Qt::LeftButton);
    QCOMPARE(m_log->lines().size(), 1 + 2 * 9);
    QCOMPARE(m_log->lines().at(2), u"Окраска в два слоя"_s);
    QCOMPARE(m_log->lines().mid(1, 9), m_log->lines().mid(10, 9));
}

void TestPaintingPage::clearThenCalculate()
{
    run(u"4"_s, u"5"_s, 0);
    const QStringList lines = m_log->lines();
    QTest::mouseClick(m_page->BitBtn5, Qt::LeftButton);
    QCOMPARE(shownResults(), QStringList(7, u"<hidden>"_s));
    QCOMPARE(m_log->lines(), lines);
    QCOMPARE(m_page->Edit13->text(), u"4"_s);
    QTest::mouseClick(m_page->BitBtn6, Qt::LeftButton);
    QCOMPARE(shownResults().first(), u"20"_s);
}

QTEST_MAIN(TestPaintingPage)
#include "tst_painting_page.moc"
