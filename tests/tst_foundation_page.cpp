// The column foundation page driven through its widgets, with a real log.
#include "calc/foundation_page.h"
#include "calculator_cases.h"
#include "log/calculation_log.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLocale>

using namespace Qt::StringLiterals;

class TestFoundationPage : public QObject, protected PageFixture<FoundationPage> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startState();
    void volumeLink_data();
    void volumeLink();
    void linkWorksFromTheKeyboard();
    void editingLeavesTheVolumeAlone();
    void emptiedFieldOnTheLink();
    void calculate();
    void noClassChosen();
    void volumeOutsideTheClass();
    void calculateTwice();
    void clearHidesOnlyResults();

private:
    QStringList shownResults() const;
    void enter(const QString &l, const QString &w, const QString &h);
};

void TestFoundationPage::init()
{
    startPage();
}

void TestFoundationPage::cleanup()
{
    stopPage();
}

QStringList TestFoundationPage::shownResults() const
{
    return shownTexts({ m_page->Label30, m_page->Label37, m_page->Label38, m_page->Label39,
        m_page->Label40, m_page->Label41 });
}

void TestFoundationPage::enter(const QString &l, const QString &w, const QString &h)
{
    typeInto(m_page->Edit8, l);
    typeInto(m_page->Edit9, w);
    typeInto(m_page->Edit10, h);
}

void TestFoundationPage::startState()
{
    QCOMPARE(m_page->Label35->text(), u"0"_s);
    QVERIFY(m_page->Label35->isVisible());
    QCOMPARE(m_page->classes->checkedId(), -1);
    QCOMPARE(m_page->classes->button(0)->text(), u"Объмом до 3 м3, опалубка"_s);
    QCOMPARE(shownResults(), QStringList(6, u"<hidden>"_s));
    QCOMPARE(m_page->Label36->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(m_page->Label36->font().underline());
}

void TestFoundationPage::volumeLink_data()
{
    addFoundationVolumeCases();
}

void TestFoundationPage::volumeLink()
{
    QFETCH(QString, length);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, volume);
    enter(length, width, height);
    QTest::mouseClick(m_page->Label36, Qt::LeftButton);
    QCOMPARE(m_page->Label35->text(), volume);
    QCOMPARE(m_log->lines().size(), 1); // the link logs nothing
}

void TestFoundationPage::linkWorksFromTheKeyboard()
{
    enter(u"2"_s, u"1,5"_s, u"0,8"_s);
    QVERIFY(m_page->Label36->focusPolicy() & Qt::TabFocus);
    m_page->Label36->setFocus();
    QTest::keyClick(m_page->Label36, Qt::Key_Space);
    QCOMPARE(m_page->Label35->text(), u"2,4"_s);
    typeInto(m_page->Edit10, u"1"_s);
    QTest::keyClick(m_page->Label36, Qt::Key_Return);
    QCOMPARE(m_page->Label35->text(), u"3"_s);
}

void TestFoundationPage::editingLeavesTheVolumeAlone()
{
    enter(u"2"_s, u"1,5"_s, u"0,8"_s);
    QTest::mouseClick(m_page->Label36, Qt::LeftButton);
    typeInto(m_page->Edit8, u"4"_s);
    QCOMPARE(m_page->Label35->text(), u"2,4"_s);
    QTest::mouseClick(m_page->Label36, Qt::LeftButton);
    QCOMPARE(m_page->Label35->text(), u"4,8"_s);
}

void TestFoundationPage::emptiedFieldOnTheLink()
{
    enter(u"2"_s, u"1,5"_s, u"0,8"_s);
    QTest::mouseClick(m_page->Label36, Qt::LeftButton);
    QTest::mouseClick(m_page->Edit9, Qt::LeftButton);
    QTest::mouseClick(m_page->Label36, Qt::LeftButton);
    QCOMPARE(m_errors->messages, QStringList { invalidNumber(QString()) });
    QCOMPARE(m_page->Label35->text(), u"2,4"_s);
}

void TestFoundationPage::calculate()
{
    enter(u"2"_s, u"1,5"_s, u"0,8"_s);
    clickRadio(m_page->classes->button(0));
    QTest::mouseClick(m_page->BitBtn2, Qt::LeftButton);
    QVERIFY(m_errors->messages.isEmpty());
    QCOMPARE(m_log->lines().mid(1),
        (QStringList {
            u"Бетон, м3: 2,436"_s,
            u"Щиты опалубки 25 мм.: 5,6"_s,
            u"Доски 40 мм: 0,112"_s,
            u"Гвозди строительные 100 мм: 1,68"_s,
            u"Проволока стальная 4 мм: 0,28"_s,
            u"Смазка: 0,14"_s,
        }));
    QCOMPARE(shownResults(),
        (QStringList { u"2,436"_s, u"5,6"_s, u"0,112"_s, u"1,68"_s, u"0,28"_s, u"0,14"_s }));
    QCOMPARE(m_page->Label35->text(), u"0"_s); // Calculate leaves the link's field alone
}

void TestFoundationPage::noClassChosen()
{
    m_page->Edit8->setText(u"abc"_s);
    QTest::mouseClick(m_page->BitBtn2, Qt::LeftButton);
    QCOMPARE(m_errors->messages,
        QStringList { u"Выберите вид работ: устройство фундаментов под колонны."_s });
    QCOMPARE(shownResults(), QStringList(6, u"<hidden>"_s));
    QCOMPARE(m_log->lines().size(), 1);
}

void TestFoundationPage::volumeOutsideTheClass()
{
    enter(u"2"_s, u"2"_s, u"1"_s);
    clickRadio(m_page->classes->button(0));
    QTest::mouseClick(m_page->BitBtn2, Qt::LeftButton);
    QCOMPARE(m_errors->messages,
        QStringList { u"Объем фундамента 4 м3 не соответствует выбранному виду работ."_s });
    QCOMPARE(shownResults(), QStringList(6, u"<hidden>"_s));
    QCOMPARE(m_log->lines().size(), 1);
    clickRadio(m_page->classes->button(1));
    QTest::mouseClick(m_page->BitBtn2, Qt::LeftButton);
    QCOMPARE(shownResults().first(), u"4,06"_s);
    // A volume whose concrete would overflow: outside the class, the class error comes first;
    // inside it, the overflow.
    m_errors->messages.clear();
    enter(u"1E154"_s, u"1E154"_s, u"1,78"_s);
    QTest::mouseClick(m_page->BitBtn2, Qt::LeftButton);
    QCOMPARE(m_errors->messages,
        QStringList { u"Объем фундамента 1,78E308 м3 не соответствует выбранному виду работ."_s });
    clickRadio(m_page->classes->button(4));
    QTest::mouseClick(m_page->BitBtn2, Qt::LeftButton);
    QCOMPARE(m_errors->messages.last(), u"Floating point overflow."_s);
    QCOMPARE(shownResults().first(), u"4,06"_s);
}

void TestFoundationPage::calculateTwice()
{
    enter(u"2"_s, u"1,5"_s, u"0,8"_s);
    clickRadio(m_page->classes->button(3));
    QTest::mouseClick(m_page->BitBtn2, Qt::LeftButton);
    QTest::mouseClick(m_page->BitBtn2, Qt::LeftButton);
    QCOMPARE(m_log->lines().size(), 1 + 12);
}

void TestFoundationPage::clearHidesOnlyResults()
{
    enter(u"2"_s, u"1,5"_s, u"0,8"_s);
    QTest::mouseClick(m_page->Label36, Qt::LeftButton);
    clickRadio(m_page->classes->button(0));
    QTest::mouseClick(m_page->BitBtn2, Qt::LeftButton);
    const QStringList lines = m_log->lines();
    QTest::mouseClick(m_page->BitBtn1, Qt::LeftButton);
    QCOMPARE(shownResults(), QStringList(6, u"<hidden>"_s));
    QCOMPARE(m_page->Edit8->text(), u"2"_s);
    QCOMPARE(m_page->Label35->text(), u"2,4"_s);
    QCOMPARE(m_page->classes->checkedId(), 0);
    QCOMPARE(m_log->lines(), lines);
}

QTEST_MAIN(TestFoundationPage)
#include "tst_foundation_page.moc"
