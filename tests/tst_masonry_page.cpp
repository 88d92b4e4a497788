// The brick masonry page driven through its widgets, with a real log.
#include "calc/masonry_page.h"
#include "calculator_cases.h"
#include "log/calculation_log.h"
#include "test_support.h"

#include <QLocale>

using namespace Qt::StringLiterals;

class TestMasonryPage : public QObject, protected PageFixture<MasonryPage> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startState();
    void workedExample();
    void calculate_data();
    void calculate();
    void clickEmptiesOnlyByMouse();
    void noMasonryNodeGivesZeroMaterials();
    void pointSettingsStopAtACommaThickness();
    void clearResetsInputs();
    void buttonsCarryAcceleratorsAndPictures();

private:
    void enter(const QStringList &six); // Edit1, 2, 4, 5, 6, 7
    QStringList shownResults() const;

    int m_node = 3;
};

void TestMasonryPage::init()
{
    m_node = 3;
    startPage([this] { return m_node; });
    m_page->Edit3->setText(u"0,36"_s);
}

void TestMasonryPage::cleanup()
{
    stopPage();
}

void TestMasonryPage::enter(const QStringList &six)
{
    QLineEdit *fields[] = { m_page->Edit1, m_page->Edit2, m_page->Edit4, m_page->Edit5,
        m_page->Edit6, m_page->Edit7 };
    for (int i = 0; i < 6; ++i)
        typeInto(fields[i], six[i]);
}

QStringList TestMasonryPage::shownResults() const
{
    return shownTexts({ m_page->Label23, m_page->Label17, m_page->Label18, m_page->Label19 });
}

void TestMasonryPage::startState()
{
    for (QLineEdit *e : { m_page->Edit1, m_page->Edit2, m_page->Edit4, m_page->Edit5, m_page->Edit6,
             m_page->Edit7 })
        QCOMPARE(e->text(), u"0"_s);
    QVERIFY(m_page->Edit3->isReadOnly());
    QCOMPARE(shownResults(), QStringList(4, u"<hidden>"_s));
}

void TestMasonryPage::workedExample()
{
    enter({ u"10"_s, u"3"_s, u"2"_s, u"1,5"_s, u"1"_s, u"2,1"_s });
    QTest::mouseClick(m_page->BitBtn9, Qt::LeftButton);
    QVERIFY(m_errors->messages.isEmpty());
    QCOMPARE(shownResults(), (QStringList { u"8,964"_s, u"3540,78"_s, u"2,107"_s, u"0,008964"_s }));
    QCOMPARE(m_log->lines().mid(1),
        (QStringList {
            u"Итоги произведенного расчета:"_s,
            u"Объем кирпичной кладки, м3.: 8,964"_s,
            u"Кирпич глиняный обыкновенный, шт.: 3540,78"_s,
            u"Раствор, м3: 2,107"_s,
            u"Пробки деревянные, м3: 0,008964"_s,
        }));
}

void TestMasonryPage::calculate_data()
{
    addMasonryCases();
}

void TestMasonryPage::calculate()
{
    QFETCH(int, node);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, texts);
    m_node = node;
    enter(inputs.mid(0, 6));
    m_page->Edit3->setText(inputs[6]); // the thickness the tree routing writes
    QTest::mouseClick(m_page->BitBtn9, Qt::LeftButton);
    QVERIFY(m_errors->messages.isEmpty());
    QCOMPARE(shownResults(), texts);
}

void TestMasonryPage::clickEmptiesOnlyByMouse()
{
    m_page->Edit2->setText(u"3"_s);
    m_page->Edit2->setFocus(Qt::TabFocusReason);
    QCOMPARE(m_page->Edit2->text(), u"3"_s);
    m_page->Edit1->setText(u"12"_s);
    QTest::mouseClick(m_page->Edit1, Qt::LeftButton);
    QCOMPARE(m_page->Edit1->text(), QString());
    QTest::mouseClick(m_page->Edit3, Qt::LeftButton); // the thickness field has no such handler
    QCOMPARE(m_page->Edit3->text(), u"0,36"_s);
}

void TestMasonryPage::noMasonryNodeGivesZeroMaterials()
{
    m_node = 9; // fire protection selected while this page stays on show
    enter({ u"10"_s, u"3"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s });
    QTest::mouseClick(m_page->BitBtn9, Qt::LeftButton);
    QCOMPARE(shownResults(), (QStringList { u"10,8"_s, u"0"_s, u"0"_s, u"0"_s }));
    QCOMPARE(m_log->lines().last(), u"Пробки деревянные, м3: 0"_s);
}

void TestMasonryPage::pointSettingsStopAtACommaThickness()
{
    // Under point settings a comma thickness is not a number (the routing writes "0.36" there).
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    enter({ u"12.5"_s, u"3"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s });
    QTest::mouseClick(m_page->BitBtn9, Qt::LeftButton);
    QCOMPARE(m_errors->messages, QStringList { invalidNumber(u"0,36"_s) });
    m_page->Edit3->setText(u"0.36"_s);
    QTest::mouseClick(m_page->BitBtn9, Qt::LeftButton);
    QCOMPARE(shownResults(), (QStringList { u"13.5"_s, u"5332.5"_s, u"3.172"_s, u"0.0135"_s }));
}

void TestMasonryPage::clearResetsInputs()
{
    enter({ u"10"_s, u"3"_s, u"2"_s, u"1,5"_s, u"1"_s, u"2,1"_s });
    QTest::mouseClick(m_page->BitBtn9, Qt::LeftButton);
    const QStringList lines = m_log->lines();
    QTest::mouseClick(m_page->BitBtn8, Qt::LeftButton);
    for (QLineEdit *e : { m_page->Edit1, m_page->Edit2, m_page->Edit4, m_page->Edit5, m_page->Edit6,
             m_page->Edit7 })
        QCOMPARE(e->text(), u"0"_s);
    QCOMPARE(m_page->Edit3->text(), u"0,36"_s);
    QCOMPARE(shownResults(), QStringList(4, u"<hidden>"_s));
    QCOMPARE(m_page->Label23->text(), u"8,964"_s); // the hidden text stays
    QCOMPARE(m_log->lines(), lines);
}

void TestMasonryPage::buttonsCarryAcceleratorsAndPictures()
{
    QVERIFY(m_page->BitBtn8->x() < m_page->BitBtn9->x());
    const QIcon icon = m_page->BitBtn9->icon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.pixmap(16, 16, QIcon::Normal).toImage()
        != icon.pixmap(16, 16, QIcon::Disabled).toImage());
    // The underlined letters are the accelerators Alt+О and Alt+Р.
    QCOMPARE(
        QKeySequence::mnemonic(m_page->BitBtn8->text()), QKeySequence(Qt::ALT | Qt::Key(0x041E)));
    QCOMPARE(
        QKeySequence::mnemonic(m_page->BitBtn9->text()), QKeySequence(Qt::ALT | Qt::Key(0x0420)));
}

QTEST_MAIN(TestMasonryPage)
#include "tst_masonry_page.moc"
