// The floor underlayer page driven through its widgets, with a real log.
#include "calc/underlayer_page.h"
#include "calculator_cases.h"
#include "log/calculation_log.h"
#include "test_support.h"

#include <QGroupBox>
#include <QLocale>
#include <QRadioButton>

using namespace Qt::StringLiterals;

class TestUnderlayerPage : public QObject, protected PageFixture<UnderlayerPage> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startState();
    void calculate_data();
    void calculate();
    void blockOfKind7();
    void volumeLineLogsTheTextAsTyped();
    void choosingAKind();
    void keyboardChangeOfKind();
    void clearReturnsToNoChoice();
    void noKindDoesNothing();
    void tabOrder();

private:
    QRadioButton *kind(int k) const;
    QLabel *result(int row) const; // 0-based row of the materials group
    QStringList visibleResults() const;
    void choose(int k) { clickRadio(kind(k)); }
    void calculate(const QString &volume);
};

namespace {
const char *const kResultNames[] = { "Label90", "Label91", "Label92", "Label93", "Label94",
    "Label95", "Label96", "Label97", "Label98", "Label99", "Label100", "Label102" };
}

void TestUnderlayerPage::init()
{
    startPage();
}

void TestUnderlayerPage::cleanup()
{
    stopPage();
}

QRadioButton *TestUnderlayerPage::kind(int k) const
{
    return m_page->RadioGroup4->findChildren<QRadioButton *>().at(k);
}

QLabel *TestUnderlayerPage::result(int row) const
{
    return m_page->findChild<QLabel *>(QLatin1String(kResultNames[row]));
}

QStringList TestUnderlayerPage::visibleResults() const
{
    QStringList shown;
    for (int row = 0; row < 12; ++row)
        if (result(row)->isVisible())
            shown << u"%1=%2"_s.arg(row + 1).arg(result(row)->text());
    return shown;
}

void TestUnderlayerPage::calculate(const QString &volume)
{
    m_page->Edit15->setText(volume);
    QTest::mouseClick(m_page->Button1, Qt::LeftButton);
}

void TestUnderlayerPage::startState()
{
    QCOMPARE(m_page->chosenKind(), -1);
    QCOMPARE(m_page->Edit15->text(), u"1"_s);
    QCOMPARE(m_page->RadioGroup4->findChildren<QRadioButton *>().size(), 10);
    for (int row = 0; row < 12; ++row) {
        QCOMPARE(result(row)->text(), u"0,00"_s);
        QVERIFY(!result(row)->isVisible());
    }
}

void TestUnderlayerPage::calculate_data()
{
    addUnderlayerCases();
}

void TestUnderlayerPage::calculate()
{
    QFETCH(int, kind);
    QFETCH(QString, volume);
    QFETCH(QStringList, shown);
    choose(kind);
    calculate(volume);
    QVERIFY(m_errors->messages.isEmpty());
    QCOMPARE(visibleResults(), shown);
    QVERIFY(!result(7)->isVisible()); // clay and sand: never shown
}

void TestUnderlayerPage::blockOfKind7()
{
    choose(7);
    calculate(u"1"_s);
    QCOMPARE(m_log->lines().mid(1),
        (QStringList {
            u"Выбрано:  Устройство булыжного подстилающего слоя"_s,
            u"Произведен расчет: Устройство булыжного подстилающего слоя"_s,
            u"Условия расчета:"_s,
            u"Объем подстилающего слоя: 1 куб. метр(ов)"_s,
            u"Итоги расчета: необходимо материалов:"_s,
            u"Камень булыжный, м3: 0,74"_s,
            u"Щебень, куб. метр: 0,17"_s,
            u"Песок, куб. метр: 0,095"_s,
        }));
    // Kind 3 logs clay before sand; kind 9 names its own work.
    choose(3);
    calculate(u"1"_s);
    QCOMPARE(m_log->lines().mid(m_log->lines().size() - 2),
        (QStringList { u"Глина, куб. метр: 0,43"_s, u"Песок, куб. метр: 1,02"_s }));
    choose(9);
    calculate(u"1"_s);
    QVERIFY(m_log->lines().contains(
        u"Произведен расчет: Устройство кислотоупорного подстилающего слоя"_s));
}

void TestUnderlayerPage::volumeLineLogsTheTextAsTyped()
{
    choose(5);
    calculate(u"2,50"_s);
    QVERIFY(m_log->lines().contains(u"Объем подстилающего слоя: 2,50 куб. метр(ов)"_s));
    QCOMPARE(visibleResults(), (QStringList { u"1=1,9"_s, u"3=1"_s, u"6=0,825"_s }));
    // Calculate again with another volume: the same fields, a second full block.
    calculate(u"1"_s);
    QCOMPARE(visibleResults(), (QStringList { u"1=0,76"_s, u"3=0,4"_s, u"6=0,33"_s }));
    QCOMPARE(m_log->lines().count(u"Условия расчета:"_s), 2);
}

void TestUnderlayerPage::choosingAKind()
{
    choose(4);
    calculate(u"1"_s);
    const int lines = m_log->lines().size();
    choose(4); // the same kind again: nothing
    QCOMPARE(m_log->lines().size(), lines);
    QCOMPARE(visibleResults().size(), 3);
    choose(0);
    QCOMPARE(m_log->lines().mid(lines),
        QStringList { u"Выбрано:  Устройство подстилающего слоя из песка"_s });
    QCOMPARE(visibleResults(), QStringList());
    QCOMPARE(result(0)->text(), u"0.00"_s);
    QCOMPARE(m_page->Edit15->text(), u"1"_s);
}

void TestUnderlayerPage::keyboardChangeOfKind()
{
    choose(1);
    kind(1)->setFocus();
    QTest::keyClick(kind(1), Qt::Key_Down);
    QCOMPARE(m_page->chosenKind(), 2);
    QCOMPARE(m_log->lines().last(), u"Выбрано:  Устройство подстиляющего слоя из щебня"_s);
}

void TestUnderlayerPage::clearReturnsToNoChoice()
{
    choose(7);
    calculate(u"3"_s);
    const QStringList lines = m_log->lines();
    QTest::mouseClick(m_page->Button2, Qt::LeftButton);
    QCOMPARE(m_page->chosenKind(), -1);
    for (int k = 0; k < 10; ++k)
        QVERIFY(!kind(k)->isChecked());
    QCOMPARE(m_page->Edit15->text(), u"1"_s);
    QCOMPARE(visibleResults(), QStringList());
    QCOMPARE(m_log->lines(), lines);
    choose(7); // the same kind as before Clear is a change again
    QCOMPARE(m_log->lines().last(), u"Выбрано:  Устройство булыжного подстилающего слоя"_s);
}

void TestUnderlayerPage::noKindDoesNothing()
{
    calculate(u"abc"_s);
    QVERIFY(m_errors->messages.isEmpty());
    QCOMPARE(m_log->lines().size(), 1);
    QCOMPARE(visibleResults(), QStringList());
}

void TestUnderlayerPage::tabOrder()
{
    // Calculate, the kind list (entered at its chosen item), the volume, Clear.
    choose(3);
    m_page->Button1->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QWidget *w = QApplication::focusWidget();
        order << (w == kind(3) ? u"kind"_s : w->objectName());
        QTest::keyClick(w, Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList { u"Button1"_s, u"kind"_s, u"Edit15"_s, u"Button2"_s }));
}

QTEST_MAIN(TestUnderlayerPage)
#include "tst_underlayer_page.moc"
