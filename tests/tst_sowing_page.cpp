// The grass sowing page driven through its widgets, with a real log.
#include "calc/sowing_page.h"
#include "calculator_cases.h"
#include "log/calculation_log.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLocale>

using namespace Qt::StringLiterals;

class TestSowingPage : public QObject, protected PageFixture<SowingPage> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startState();
    void calculate_data();
    void calculate();
    void logBlock();
    void noWorkChosen();
    void clear();

private:
    QStringList shownResults() const;
    void run(int work);
};

void TestSowingPage::init()
{
    startPage();
}

void TestSowingPage::cleanup()
{
    stopPage();
}

QStringList TestSowingPage::shownResults() const
{
    return shownTexts({ m_page->Label54, m_page->Label55, m_page->Label56, m_page->Label57,
        m_page->Label58, m_page->Label59, m_page->Label45, m_page->Label47 });
}

void TestSowingPage::run(int work)
{
    typeInto(m_page->Edit11, u"10"_s);
    typeInto(m_page->Edit12, u"10"_s);
    clickRadio(m_page->works->button(work));
    QTest::mouseClick(m_page->BitBtn4, Qt::LeftButton);
}

void TestSowingPage::startState()
{
    QCOMPARE(m_page->works->checkedId(), -1);
    QCOMPARE(m_page->Edit11->text(), u"0"_s);
    QCOMPARE(shownResults(), QStringList(8, u"<hidden>"_s));
    QTest::mouseClick(m_page->Edit11, Qt::LeftButton);
    QCOMPARE(m_page->Edit11->text(), QString());
}

void TestSowingPage::calculate_data()
{
    addSowingCases();
}

void TestSowingPage::calculate()
{
    QFETCH(int, work);
    QFETCH(QStringList, texts);
    run(work);
    QVERIFY(m_errors->messages.isEmpty());
    QCOMPARE(shownResults(), texts);
}

void TestSowingPage::logBlock()
{
    run(2);
    QCOMPARE(m_log->lines().mid(1),
        (QStringList {
            u"Условия расчета:"_s,
            u"Посев трав гидропосевом, 1000 м2"_s,
            u"Площадь участка, м2: 100"_s,
            u"Необходимые материалы:"_s,
            u"Дерн, м2: 0"_s,
            u"Спицы  деревянные, м3: 0"_s,
            u"Семена трав, кг: 3"_s,
            u"Земля растительная, м3: 0"_s,
            u"Удобрения, кг: 5"_s,
            u"Эмульсия битумная, л.: 60"_s,
            u"Эмульсия латексная, л.: 20"_s,
            u"Опилки, м3: 0,1"_s,
        }));
}

void TestSowingPage::noWorkChosen()
{
    m_page->Edit11->setText(u"abc"_s);
    QTest::mouseClick(m_page->BitBtn4, Qt::LeftButton);
    QCOMPARE(
        m_errors->messages, QStringList { u"Выберите вид работ в группе «Перечень работ»."_s });
    QCOMPARE(shownResults(), QStringList(8, u"<hidden>"_s));
    QCOMPARE(m_log->lines().size(), 1);
}

void TestSowingPage::clear()
{
    QTest::mouseClick(m_page->BitBtn3, Qt::LeftButton);
    QTest::mouseClick(m_page->BitBtn3, Qt::LeftButton);
    QCOMPARE(shownResults(), QStringList(8, u"<hidden>"_s));
    run(1);
    const QStringList lines = m_log->lines();
    QTest::mouseClick(m_page->BitBtn3, Qt::LeftButton);
    QCOMPARE(shownResults(), QStringList(8, u"<hidden>"_s));
    QCOMPARE(m_page->works->checkedId(), 1);
    QCOMPARE(m_page->Edit11->text(), u"10"_s);
    QCOMPARE(m_log->lines(), lines);
}

QTEST_MAIN(TestSowingPage)
#include "tst_sowing_page.moc"
