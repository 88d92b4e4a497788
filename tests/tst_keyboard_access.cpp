// The window without a mouse, and what a screen reader is told: one calculation per page by keys
// alone, focus after an error box, and an accessible name on every interactive widget.
#include "app/application.h"
#include "app/clock.h"
#include "app/log_view.h"
#include "app/main_window.h"
#include "calc/foundation_page.h"
#include "calc/masonry_page.h"
#include "calc/painting_page.h"
#include "calc/sowing_page.h"
#include "calc/underlayer_page.h"
#include "navigation/section_nodes.h"
#include "navigation/section_tree.h"
#include "test_support.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>

using namespace Qt::StringLiterals;

class TestKeyboardAccess : public QObject, protected WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void focusStartsInTheTree();
    void tabFromTheTreeEntersThePage_data();
    void tabFromTheTreeEntersThePage();
    void masonryByKeys();
    void foundationByKeys();
    void paintingByKeys();
    void underlayerByKeys();
    void sowingByKeys();
    void focusStaysAfterTheErrorBox();
    void everyInteractiveWidgetHasAName();
    void resultLabelsSpeakTheirTextAndCaption();
    void resultCaptionsStandApartFromValues();
    void toolTipsAreWrapped();
    void volumeLinkShowsFocus();

private:
    QWidget *focus() const { return QApplication::focusWidget(); }
    void key(Qt::Key k) { QTest::keyClick(focus(), k); }
    void type(const char *text) { QTest::keyClicks(focus(), QString::fromLatin1(text)); }
    void downTo(int node);
    void buildEveryPage();
    void tabTo(QWidget *target);
};

void TestKeyboardAccess::init()
{
    startWindow();
}

void TestKeyboardAccess::cleanup()
{
    stopWindow();
}

void TestKeyboardAccess::downTo(int node)
{
    // The tree opens the node that becomes selected, so Down walks the nodes in table order.
    for (int i = 0; i < 40 && m_window->TreeView1->selectedIndex() != node; ++i)
        QTest::keyClick(m_window->TreeView1, Qt::Key_Down);
    QCOMPARE(m_window->TreeView1->selectedIndex(), node);
}

void TestKeyboardAccess::buildEveryPage()
{
    for (int p = 0; p < kPageCount; ++p)
        m_window->page(static_cast<Page>(p));
}

void TestKeyboardAccess::tabTo(QWidget *target)
{
    for (int i = 0; i < 40 && focus() != target; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(focus(), target);
}

void TestKeyboardAccess::focusStartsInTheTree()
{
    QCOMPARE(focus(), m_window->TreeView1);
    QCOMPARE(m_window->TreeView1->selectedIndex(), -1);
}

void TestKeyboardAccess::tabFromTheTreeEntersThePage_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<QString>("page");
    QTest::newRow("masonry") << int(kMasonry360Node) << u"TabSheet1"_s;
    QTest::newRow("foundation") << int(kFoundationNode) << u"TabSheet2"_s;
    QTest::newRow("painting") << int(kPaintingNode) << u"TabSheet5"_s;
    QTest::newRow("underlayer") << int(kUnderlayerNode) << u"TabSheet7"_s;
    QTest::newRow("sowing") << int(kSowingNode) << u"TabSheet4"_s;
}

void TestKeyboardAccess::tabFromTheTreeEntersThePage()
{
    // Pages are built when first shown, after the log area; Tab must still go from the tree
    // into the page, not to the log.
    QFETCH(int, node);
    QFETCH(QString, page);
    downTo(node);
    QCOMPARE(m_window->PageControl1->currentWidget()->objectName(), page);
    key(Qt::Key_Tab);
    QVERIFY2(m_window->PageControl1->currentWidget()->isAncestorOf(focus()),
        qPrintable(focus()->objectName()));
}

void TestKeyboardAccess::masonryByKeys()
{
    downTo(kMasonry360Node);
    MasonryPage *page = m_window->page<MasonryPage>();
    key(Qt::Key_Tab);
    QCOMPARE(focus(), page->Edit1);
    page->Edit1->selectAll();
    type("12");
    key(Qt::Key_Tab);
    page->Edit2->selectAll();
    type("3");
    key(Qt::Key_Return);
    QCOMPARE(page->Label23->text(), u"12,96"_s);
    QVERIFY(page->Label23->isVisible());
    QCOMPARE(m_window->calculationLog().lines().last(), u"Пробки деревянные, м3: 0,01296"_s);
}

void TestKeyboardAccess::foundationByKeys()
{
    downTo(kFoundationNode);
    FoundationPage *page = m_window->page<FoundationPage>();
    tabTo(page->Edit8);
    page->Edit8->selectAll();
    type("2");
    key(Qt::Key_Tab);
    page->Edit9->selectAll();
    type("1,5");
    key(Qt::Key_Tab);
    page->Edit10->selectAll();
    type("0,8");
    tabTo(page->Label36);
    key(Qt::Key_Space);
    QCOMPARE(page->Label35->text(), u"2,4"_s);
    key(Qt::Key_Tab); // into the classes, then Space chooses the first
    QCOMPARE(focus(), page->classes->button(0));
    key(Qt::Key_Space);
    QCOMPARE(page->classes->checkedId(), 0);
    tabTo(page->BitBtn2);
    key(Qt::Key_Space);
    QCOMPARE(page->Label30->text(), u"2,436"_s);
}

void TestKeyboardAccess::paintingByKeys()
{
    downTo(kPaintingNode);
    PaintingPage *page = m_window->page<PaintingPage>();
    tabTo(page->Edit13);
    page->Edit13->selectAll();
    type("4");
    key(Qt::Key_Tab);
    page->Edit14->selectAll();
    type("5");
    tabTo(page->coats->button(0));
    key(Qt::Key_Down); // two coats
    QCOMPARE(page->coats->checkedId(), 1);
    tabTo(page->Edit14);
    key(Qt::Key_Enter);
    QCOMPARE(page->Label71->text(), u"5,02"_s);
}

void TestKeyboardAccess::underlayerByKeys()
{
    downTo(kUnderlayerNode);
    UnderlayerPage *page = m_window->page<UnderlayerPage>();
    key(Qt::Key_Tab);
    QCOMPARE(focus(), page->Button1); // the page's order starts at Calculate
    key(Qt::Key_Tab);
    QVERIFY(qobject_cast<QRadioButton *>(focus()));
    key(Qt::Key_Space);
    key(Qt::Key_Down);
    QCOMPARE(page->chosenKind(), 1);
    key(Qt::Key_Tab);
    QCOMPARE(focus(), page->Edit15);
    page->Edit15->selectAll();
    type("10");
    key(Qt::Key_Return);
    QCOMPARE(page->findChild<QLabel *>(u"Label91"_s)->text(), u"12,3"_s);
}

void TestKeyboardAccess::sowingByKeys()
{
    downTo(kSowingNode);
    SowingPage *page = m_window->page<SowingPage>();
    tabTo(page->Edit11);
    page->Edit11->selectAll();
    type("10");
    key(Qt::Key_Tab);
    page->Edit12->selectAll();
    type("10");
    key(Qt::Key_Tab);
    key(Qt::Key_Space);
    QCOMPARE(page->works->checkedId(), 0);
    tabTo(page->Edit12);
    key(Qt::Key_Return);
    QCOMPARE(page->Label56->text(), u"2"_s);
}

void TestKeyboardAccess::focusStaysAfterTheErrorBox()
{
    // The real error box, closed by Enter as a user would.
    ErrorSink recorder = setErrorSink(showErrorBox);
    downTo(kMasonry240Node);
    MasonryPage *page = m_window->page<MasonryPage>();
    key(Qt::Key_Tab);
    page->Edit1->clear();
    QTimer::singleShot(0, this, [] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        QCOMPARE(static_cast<QMessageBox *>(box)->text(), invalidNumber(QString()));
        QCOMPARE(box->windowTitle(), u"Kladomer"_s);
        QTest::keyClick(box, Qt::Key_Return);
    });
    key(Qt::Key_Return);
    setErrorSink(std::move(recorder));
    // The window keeps the field as its focus widget and gives it the focus when it is active
    // again (a window manager reactivates it; the offscreen platform needs asking).
    QCOMPARE(m_window->focusWidget(), page->Edit1);
    m_window->activateWindow();
    QTRY_COMPARE(focus(), page->Edit1);
}

void TestKeyboardAccess::everyInteractiveWidgetHasAName()
{
    buildEveryPage();
    QStringList unnamed;
    for (QWidget *w : m_window->findChildren<QWidget *>()) {
        const bool interactive = qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)
            || qobject_cast<QTextEdit *>(w) || qobject_cast<QAbstractItemView *>(w)
            || (qobject_cast<QGroupBox *>(w) && w->findChild<QRadioButton *>())
            || w->focusPolicy() != Qt::NoFocus;
        // Qt's own helpers and widgets hidden for good (the tree's header) are left out.
        if (!interactive || w->objectName().startsWith(u"qt_"_s) || qobject_cast<QHeaderView *>(w))
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));
}

void TestKeyboardAccess::resultLabelsSpeakTheirTextAndCaption()
{
    // Every result field of every page, by its designer name.
    const char *results[] = { "Label23", "Label17", "Label18", "Label19", "Label35", "Label30",
        "Label37", "Label38", "Label39", "Label40", "Label41", "Label104", "Label69", "Label70",
        "Label71", "Label72", "Label73", "Label74", "Label54", "Label55", "Label56", "Label57",
        "Label58", "Label59", "Label45", "Label47", "Label90", "Label91", "Label92", "Label93",
        "Label94", "Label95", "Label96", "Label97", "Label98", "Label99", "Label100", "Label102",
        "Label76" };
    buildEveryPage();
    downTo(kMasonry360Node);
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    for (const char *name : results) {
        auto *label = m_window->findChild<QLabel *>(QLatin1String(name));
        QVERIFY2(label, name);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(label);
        QVERIFY2(!a->text(QAccessible::Description).isEmpty(), name);
        if (label->isVisible())
            QCOMPARE(a->text(QAccessible::Name), label->text());
    }
}

void TestKeyboardAccess::resultCaptionsStandApartFromValues()
{
    buildEveryPage();
    int checked = 0;
    for (int p = 0; p < kPageCount; ++p) {
        if (static_cast<Page>(p) == Page::Section || static_cast<Page>(p) == Page::Underlayer)
            continue; // their labels stand at fixed points of their own
        QWidget *page = m_window->page(static_cast<Page>(p));
        m_window->PageControl1->setCurrentWidget(page);
        const QList<QLabel *> labels = page->findChildren<QLabel *>();
        for (QLabel *value : labels) {
            if (!value->accessibleDescription().isEmpty())
                value->show();
        }
        QApplication::processEvents();
        for (QLabel *value : labels) {
            const QString caption = value->accessibleDescription();
            if (caption.isEmpty())
                continue;
            for (QLabel *c : labels) {
                if (c->text() != caption || c->parentWidget() != value->parentWidget())
                    continue;
                const int textEnd = c->x() + c->fontMetrics().horizontalAdvance(c->text());
                QVERIFY2(value->x() - textEnd >= 12, qPrintable(caption));
                ++checked;
            }
        }
    }
    QVERIFY(checked >= 18);
}

void TestKeyboardAccess::toolTipsAreWrapped()
{
    buildEveryPage();
    const QFontMetrics fm(QToolTip::font());
    for (QWidget *w : m_window->findChildren<QWidget *>()) {
        for (const QString &line : w->toolTip().split(u'\n'))
            QVERIFY2(fm.horizontalAdvance(line) <= 400, qPrintable(line));
    }
}

void TestKeyboardAccess::volumeLinkShowsFocus()
{
    QLabel *link = m_window->page<FoundationPage>()->Label36;
    downTo(kFoundationNode);
    const QImage plain = link->grab().toImage();
    tabTo(link);
    QVERIFY(link->grab().toImage() != plain);
}

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
