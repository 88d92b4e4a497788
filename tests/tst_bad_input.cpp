// Every calculator page in the real window: a text that is no number, a field emptied by a
// click, or a value that overflows when stored ends Calculate with its message and changes
// nothing — no result field, no result text, no log line — and offers nothing to the statement.
#include "app/clock.h"
#include "app/main_window.h"
#include "navigation/section_nodes.h"
#include "navigation/section_tree.h"
#include "test_support.h"
#include "window_fixture.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

class TestBadInput : public QObject, protected WindowFixture {
    Q_OBJECT
private slots:
    void init() { startWindow(); }
    void cleanup() { stopWindow(); }

    void changesNothing_data();
    void changesNothing();

private:
    QWidget *page() const { return m_window->PageControl1->currentWidget(); }
    // What the page shows: every result field's text, or "<hidden>".
    QStringList shown() const
    {
        QStringList texts;
        for (QLabel *l : page()->findChildren<QLabel *>())
            if (!l->accessibleDescription().isEmpty())
                texts << (l->isVisible() ? l->text() : u"<hidden>"_s);
        return texts;
    }
    void click(const QString &name)
    {
        auto *button = page()->findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

void TestBadInput::changesNothing_data()
{
    // A node, the steps that make a valid calculation ("Edit1=12" types a field, "radio 2"
    // clicks the page's third radio button; empty when the page starts from nothing), the
    // Calculate button, the step that spoils it ("Edit6=" clicks a click-to-empty field and
    // leaves it empty), and the message.
    QTest::addColumn<int>("node");
    QTest::addColumn<QStringList>("valid");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<QString>("message");
    const QString overflow = u"Floating point overflow."_s;
    const QStringList wall = { u"Edit1=12"_s, u"Edit2=3"_s };
    QTest::newRow("masonry, emptied field")
        << int(kMasonry360Node) << wall << u"BitBtn9"_s << u"Edit6="_s << invalidNumber(QString());
    QTest::newRow("masonry, letters") << int(kMasonry360Node) << wall << u"BitBtn9"_s
                                      << u"Edit1=abc"_s << invalidNumber(u"abc"_s);
    QTest::newRow("masonry, overflow of the wall area")
        << int(kMasonry240Node) << QStringList() << u"BitBtn9"_s << u"Edit1=1E200;Edit2=1E200"_s
        << overflow;
    const QStringList block = { u"Edit8=2"_s, u"Edit9=1,5"_s, u"Edit10=0,8"_s, u"radio 3"_s };
    QTest::newRow("foundation, emptied field")
        << int(kFoundationNode) << block << u"BitBtn2"_s << u"Edit9="_s << invalidNumber(QString());
    QTest::newRow("foundation, overflow of the formwork")
        << int(kFoundationNode) << QStringList() << u"BitBtn2"_s
        << u"radio 4;Edit8=1E100;Edit9=1E100;Edit10=1E200"_s << overflow;
    const QStringList surface = { u"Edit13=4"_s, u"Edit14=5"_s };
    QTest::newRow("painting, emptied field") << int(kPaintingNode) << surface << u"BitBtn6"_s
                                             << u"Edit14="_s << invalidNumber(QString());
    QTest::newRow("painting, overflow of the area")
        << int(kPaintingNode) << QStringList() << u"BitBtn6"_s << u"Edit13=1E200;Edit14=1E200"_s
        << overflow;
    const QStringList lawn = { u"Edit11=10"_s, u"Edit12=10"_s, u"radio 0"_s };
    QTest::newRow("sowing, a unit after the number")
        << int(kSowingNode) << lawn << u"BitBtn4"_s << u"Edit12=10 м"_s << invalidNumber(u"10 м"_s);
    QTest::newRow("sowing, emptied field")
        << int(kSowingNode) << lawn << u"BitBtn4"_s << u"Edit11="_s << invalidNumber(QString());
    const QStringList acid = { u"radio 9"_s, u"Edit15=2"_s };
    QTest::newRow("underlayer, a word") << int(kUnderlayerNode) << acid << u"Button1"_s
                                        << u"Edit15=две"_s << invalidNumber(u"две"_s);
    QTest::newRow("underlayer, overflow of a material")
        << int(kUnderlayerNode) << acid << u"Button1"_s << u"Edit15=1E309"_s << overflow;
}

void TestBadInput::changesNothing()
{
    QFETCH(int, node);
    QFETCH(QStringList, valid);
    QFETCH(QString, calculate);
    QFETCH(QString, spoil);
    QFETCH(QString, message);
    m_window->TreeView1->selectIndex(node);
    const auto apply = [this](const QString &step) {
        if (step.startsWith(u"radio "_s)) {
            clickRadio(page()->findChildren<QRadioButton *>().at(step.mid(6).toInt()));
            return;
        }
        const QString name = step.section(u'=', 0, 0);
        const QString text = step.section(u'=', 1);
        auto *field = page()->findChild<QLineEdit *>(name);
        QVERIFY2(field, qPrintable(name));
        if (text.isEmpty())
            QTest::mouseClick(field, Qt::LeftButton); // a click empties the field
        else
            typeInto(field, text);
    };
    for (const QString &step : valid)
        apply(step);
    if (!valid.isEmpty()) {
        click(calculate);
        QVERIFY(m_errors->messages.isEmpty());
        QVERIFY(m_window->AddToStatementButton->isEnabled());
    }
    const QStringList before = shown();
    const QStringList lines = m_window->calculationLog().lines();
    for (const QString &step : spoil.split(u';'))
        apply(step);
    click(calculate);
    QCOMPARE(m_errors->messages, QStringList { message });
    QCOMPARE(shown(), before);
    QCOMPARE(m_window->calculationLog().lines(), lines);
    QVERIFY(!m_window->AddToStatementButton->isEnabled());
}

QTEST_MAIN(TestBadInput)
#include "tst_bad_input.moc"
