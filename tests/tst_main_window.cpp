// The main window driven as a user drives it: start-up, tree, Back/Forward/Home/About, clock,
// History and closing.
#include "app/clock.h"
#include "app/home_page.h"
#include "app/log_view.h"
#include "app/main_window.h"
#include "app/section_page.h"
#include "calc/masonry_page.h"
#include "log/log_file.h"
#include "navigation/section_nodes.h"
#include "navigation/section_tree.h"
#include "node_cases.h"
#include "test_support.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
const QString kGreeting = u"Добро пожаловать в программу \"Кладомер\"!"_s;
const QDateTime kNow(QDate(2026, 12, 11), QTime(14, 5, 9));

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestMainWindow : public QObject, protected WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUpState();
    void clickRoutesAndLogs_data();
    void clickRoutesAndLogs();
    void selectionChangeRoutesWithoutLogging_data();
    void selectionChangeRoutesWithoutLogging();
    void fireProtectionLeavesThePage();
    void clickOnSelectedNodeOrEmptySpaceLogsAgain();
    void firstFocusSelectsNothing();
    void keyboardSelectionLogsNothing();
    void bookImagesFollowSelection();
    void backAndForward_data();
    void backAndForward();
    void backAndForwardWithoutSelectionDoNothing();
    void menuItemsStepLikeTheButtons();
    void homeAndAbout();
    void thicknessFollowsRegionalSeparator();
    void clockTexts_data();
    void clockTexts();
    void historySavesDatedFile();
    void historyTwiceOnOneDate();
    void historyInFirstSecond();
    void historyWithoutDataFolder();
    void closePaths_data();
    void closePaths();
    void failedCloseKeepsWindowOpen();
    void sessionEndSavesHistory();
    void exitWithoutCloseSavesHistory();
    void historyWithSlashesInTheDate();
    void photographsDecode();
    void logAreaFollowsItsLastLine();
    void logAreaReadByScreenReader();
    void logAreaCopiesSelection();
    void logAreaContextMenu();
    void statusPanelsNameWhatTheyShow();
    void selectionHighlightOnlyWithFocus();

private:
    void clickNode(int index);
    void clickAt(QPoint viewportPos);
    QStringList log() const { return m_window->calculationLog().lines(); }
    QWidget *currentPage() const { return m_window->PageControl1->currentWidget(); }
    void tick() { m_window->Timer1Timer(); }
};

void TestMainWindow::init()
{
    Clock::setSource([] { return kNow; });
    startWindow();
    QDir().mkdir(u"data"_s);
}

void TestMainWindow::cleanup()
{
    stopWindow();
    Clock::setSource({});
}

void TestMainWindow::clickAt(QPoint pos)
{
    QTest::mouseClick(m_window->TreeView1->viewport(), Qt::LeftButton, {}, pos);
}

void TestMainWindow::clickNode(int index)
{
    QTreeWidgetItem *item = m_window->TreeView1->node(index);
    if (item->parent())
        item->parent()->setExpanded(true);
    clickAt(m_window->TreeView1->visualItemRect(item).center());
}

void TestMainWindow::startUpState()
{
    QCOMPARE(m_window->windowTitle(), u"Кладомер 2 "_s);
    QCOMPARE(currentPage(), m_window->page<HomePage>());
    QCOMPARE(m_window->TreeView1->selectedIndex(), -1);
    QCOMPARE(m_window->StatusPanel0->text(), kGreeting);
    QCOMPARE(m_window->StatusPanel1->text(), QString());
    QCOMPARE(m_window->currentTimeText(), QString());
    QCOMPARE(m_window->currentDateText(), QString());
    QCOMPARE(log(), QStringList { u"Ведеться история расчетов программы \"Кладомер 2\""_s });
    QCOMPARE(m_window->Memo2->toPlainText(), log().join(u'\n'));
    QVERIFY(m_window->page<HomePage>()->Memo1->isHidden());
    QVERIFY(m_window->page<HomePage>()->Label77->isVisible());
    QVERIFY(!m_window->page<HomePage>()->Emblem->pixmap().isNull());
    // Only the home page is built before the first frame; the others when first needed.
    QCOMPARE(m_window->PageControl1->count(), 1);
    QCOMPARE(m_window->page<MasonryPage>()->Edit3->text(), u"0,24"_s);
    for (int i = 0; i < kNodeCount; ++i)
        QVERIFY(!m_window->TreeView1->node(i)->isExpanded());
    QCOMPARE(m_window->ToolBar1->widgetForAction(m_window->ToolButton4)->toolTip(),
        u"Сохранить историю расчетов"_s);
}

namespace {
// The rows of the shared node table: the page shown afterwards (the home page where the node
// keeps the page shown at start-up), the section name, the thickness field, the about note.
void addNodeRows()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("sectionName");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<int>("noteOnChange");
    QTest::addColumn<int>("noteOnClick");
    for (int i = 0; i < kNodeCount; ++i) {
        const NodeCase &c = kNodeCases[i];
        QTest::addRow("node %d", i)
            << i << QString::fromLatin1(c.pageName ? c.pageName : "TabSheet3")
            << (c.sectionName ? QString::fromUtf16(c.sectionName) : QString())
            << QString::fromUtf16(c.thickness ? c.thickness : u"0,24") << c.noteOnChange
            << c.noteOnClick;
    }
}
} // namespace

void TestMainWindow::clickRoutesAndLogs_data()
{
    addNodeRows();
}

void TestMainWindow::clickRoutesAndLogs()
{
    QFETCH(int, node);
    QFETCH(QString, page);
    QFETCH(QString, sectionName);
    QFETCH(QString, thickness);
    QFETCH(int, noteOnClick);
    const QString text = nodeText(node);

    clickNode(node);
    QCOMPARE(m_window->TreeView1->selectedIndex(), node);
    QCOMPARE(currentPage()->objectName(), page);
    QCOMPARE(m_window->StatusPanel0->text(), u"Текущий расчет: "_s + text);
    if (!sectionName.isEmpty())
        QCOMPARE(m_window->page<SectionPage>()->Label76->text(), sectionName);
    QCOMPARE(m_window->page<MasonryPage>()->Edit3->text(), thickness);
    if (noteOnClick >= 0)
        QCOMPARE(!m_window->page<HomePage>()->Memo1->isHidden(), bool(noteOnClick));
    QCOMPARE(log().last(), u"Выбрано:  "_s + text);
    QCOMPARE(log().count(u"Выбрано:  "_s + text), 1);
    QVERIFY(m_errors->messages.isEmpty());
}

void TestMainWindow::selectionChangeRoutesWithoutLogging_data()
{
    addNodeRows();
}

void TestMainWindow::selectionChangeRoutesWithoutLogging()
{
    QFETCH(int, node);
    QFETCH(QString, page);
    QFETCH(QString, thickness);
    QFETCH(int, noteOnChange);
    m_window->TreeView1->selectIndex(node);
    QCOMPARE(currentPage()->objectName(), page);
    QCOMPARE(m_window->StatusPanel0->text(), u"Текущий расчет: "_s + nodeText(node));
    QCOMPARE(m_window->page<MasonryPage>()->Edit3->text(), thickness);
    QCOMPARE(!m_window->page<HomePage>()->Memo1->isHidden(), noteOnChange == 1);
    QCOMPARE(log().size(), 1);
}

void TestMainWindow::fireProtectionLeavesThePage()
{
    clickNode(kMasonry360Node);
    clickNode(kFireProtectionNode);
    QCOMPARE(currentPage(), m_window->page<MasonryPage>());
    QCOMPARE(m_window->page<MasonryPage>()->Edit3->text(), u"0,36"_s);
    QCOMPARE(m_window->StatusPanel0->text(), u"Текущий расчет: Огнезащита"_s);
    QCOMPARE(log().last(), u"Выбрано:  Огнезащита"_s);
}

void TestMainWindow::clickOnSelectedNodeOrEmptySpaceLogsAgain()
{
    clickNode(kMasonry240Node);
    const QString line = u"Выбрано:  "_s + nodeText(kMasonry240Node);
    clickAt(
        m_window->TreeView1->visualItemRect(m_window->TreeView1->node(kMasonry240Node)).center());
    QCOMPARE(log().count(line), 2);
    // Empty space under the last node: Qt would clear the selection; the tree keeps it.
    clickAt(QPoint(40, m_window->TreeView1->viewport()->height() - 5));
    QCOMPARE(m_window->TreeView1->selectedIndex(), int(kMasonry240Node));
    QCOMPARE(log().count(line), 3);
    QCOMPARE(currentPage(), m_window->page<MasonryPage>());
    // The expand button of another branch opens it and leaves the selection where it was.
    const QRect row
        = m_window->TreeView1->visualItemRect(m_window->TreeView1->node(kMonolithicSectionNode));
    clickAt(QPoint(row.left() - m_window->TreeView1->indentation() / 2, row.center().y()));
    QVERIFY(m_window->TreeView1->node(kMonolithicSectionNode)->isExpanded());
    QCOMPARE(m_window->TreeView1->selectedIndex(), int(kMasonry240Node));
    QCOMPARE(log().count(line), 4);
}

void TestMainWindow::firstFocusSelectsNothing()
{
    // Tab into the tree: Qt makes the first row current without selecting it.
    m_window->TreeView1->setFocus(Qt::TabFocusReason);
    QVERIFY(m_window->TreeView1->hasFocus());
    QCOMPARE(m_window->TreeView1->selectedIndex(), -1);
    QCOMPARE(m_window->StatusPanel0->text(), kGreeting);
    // Ctrl+click on a selected node does not empty the selection either.
    clickNode(kHomeNode);
    QTest::mouseClick(m_window->TreeView1->viewport(), Qt::LeftButton, Qt::ControlModifier,
        m_window->TreeView1->visualItemRect(m_window->TreeView1->node(kHomeNode)).center());
    QCOMPARE(m_window->TreeView1->selectedIndex(), int(kHomeNode));
}

void TestMainWindow::keyboardSelectionLogsNothing()
{
    clickNode(kHomeNode);
    const int lines = log().size();
    QTest::keyClick(m_window->TreeView1, Qt::Key_Down);
    QCOMPARE(m_window->TreeView1->selectedIndex(), int(kBrickSectionNode));
    QCOMPARE(currentPage(), m_window->page<SectionPage>());
    QCOMPARE(m_window->StatusPanel0->text(), u"Текущий расчет: Конструкции из кирпича"_s);
    // Auto-expand: the selected node opened, so Down walks into the branch.
    QTest::keyClick(m_window->TreeView1, Qt::Key_Down);
    QCOMPARE(m_window->TreeView1->selectedIndex(), int(kMasonry240Node));
    QCOMPARE(currentPage(), m_window->page<MasonryPage>());
    QCOMPARE(log().size(), lines);
}

void TestMainWindow::bookImagesFollowSelection()
{
    const auto key = [this](int i) { return m_window->TreeView1->node(i)->icon(0).cacheKey(); };
    const qint64 closed = key(0);
    clickNode(kBrickSectionNode);
    const qint64 open = key(1);
    QVERIFY(open != closed);
    QCOMPARE(key(0), closed);
    clickNode(kFloorsNode); // "Полы" keeps the closed book
    QCOMPARE(key(12), closed);
    QCOMPARE(key(1), closed);
    QVERIFY(!m_window->TreeView1->node(kBrickSectionNode)
                 ->isExpanded()); // lost the selection: collapsed
    QVERIFY(m_window->TreeView1->node(kFloorsNode)->isExpanded());
}

void TestMainWindow::backAndForward_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("page");
    QTest::newRow("back at the first node")
        << int(kHomeNode) << false << int(kHomeNode) << u"TabSheet3"_s;
    QTest::newRow("forward at the last node")
        << int(kAboutNode) << true << int(kAboutNode) << u"TabSheet3"_s;
    QTest::newRow("forward into a closed branch")
        << int(kBrickSectionNode) << true << int(kMasonry240Node) << u"TabSheet1"_s;
    QTest::newRow("forward out of a branch")
        << int(kMasonry600Node) << true << int(kMonolithicSectionNode) << u"TabSheet6"_s;
    QTest::newRow("back into the previous branch")
        << int(kMonolithicSectionNode) << false << int(kMasonry600Node) << u"TabSheet1"_s;
    QTest::newRow("back onto fire protection")
        << int(kMetalSectionNode) << false << int(kFireProtectionNode) << u"TabSheet6"_s;
}

void TestMainWindow::backAndForward()
{
    QFETCH(int, from);
    QFETCH(bool, forward);
    QFETCH(int, to);
    QFETCH(QString, page);
    clickNode(from);
    m_window->Memo2->setFocus();
    const QString status = m_window->StatusPanel0->text();
    const int lines = log().size();
    QToolButton *button = qobject_cast<QToolButton *>(m_window->ToolBar1->widgetForAction(
        forward ? m_window->ToolButton9 : m_window->ToolButton8));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_window->TreeView1->selectedIndex(), to);
    QCOMPARE(currentPage()->objectName(), page);
    QVERIFY(m_window->TreeView1->hasFocus());
    if (QTreeWidgetItem *parent = m_window->TreeView1->node(to)->parent())
        QVERIFY(parent->isExpanded()); // the branch opened to show the node
    QCOMPARE(log().mid(lines), QStringList { u"Перемещение: "_s + nodeText(to) });
    if (from == to)
        QCOMPARE(m_window->StatusPanel0->text(), status);
    else
        QCOMPARE(m_window->StatusPanel0->text(), u"Текущий расчет: "_s + nodeText(to));
    if (to == 5)
        QCOMPARE(m_window->page<MasonryPage>()->Edit3->text(), u"0,6"_s);
}

void TestMainWindow::backAndForwardWithoutSelectionDoNothing()
{
    m_window->Memo2->setFocus();
    m_window->ToolButton8->trigger();
    m_window->ToolButton9->trigger();
    QCOMPARE(log().size(), 1);
    QCOMPARE(m_window->StatusPanel0->text(), kGreeting);
    QVERIFY(m_window->Memo2->hasFocus());
    QCOMPARE(m_window->TreeView1->selectedIndex(), -1);
}

void TestMainWindow::menuItemsStepLikeTheButtons()
{
    clickNode(kMasonry360Node);
    m_window->ForwardItem->trigger();
    QCOMPARE(m_window->TreeView1->selectedIndex(), int(kMasonry480Node));
    m_window->BackItem->trigger();
    m_window->BackItem->trigger();
    QCOMPARE(m_window->TreeView1->selectedIndex(), int(kMasonry240Node));
    QCOMPARE(log().mid(log().size() - 3),
        (QStringList { u"Перемещение: "_s + nodeText(kMasonry480Node),
            u"Перемещение: "_s + nodeText(kMasonry360Node),
            u"Перемещение: "_s + nodeText(kMasonry240Node) }));
}

void TestMainWindow::homeAndAbout()
{
    QWidget *home = m_window->ToolBar1->widgetForAction(m_window->ToolButton1);
    clickNode(kFoundationNode);
    QTest::mouseClick(home, Qt::LeftButton);
    QCOMPARE(currentPage(), m_window->page<HomePage>());
    QVERIFY(m_window->page<HomePage>()->Memo1->isVisible());
    clickNode(kHomeNode);
    QVERIFY(!m_window->page<HomePage>()->Memo1->isVisible());
    clickNode(kMasonry480Node);
    const int lines = log().size();
    const QString status = m_window->StatusPanel0->text();
    QTest::mouseClick(home, Qt::LeftButton);
    QVERIFY(!m_window->page<HomePage>()->Memo1->isVisible());
    QCOMPARE(m_window->page<MasonryPage>()->Edit3->text(), u"0,48"_s);

    m_window->N4->trigger();
    QCOMPARE(currentPage(), m_window->page<HomePage>());
    QVERIFY(m_window->page<HomePage>()->Memo1->isVisible());
    QCOMPARE(m_window->TreeView1->selectedIndex(), int(kMasonry480Node));
    QCOMPARE(m_window->StatusPanel0->text(), status);
    QCOMPARE(log().size(), lines);
}

void TestMainWindow::thicknessFollowsRegionalSeparator()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    clickNode(kMasonry480Node);
    QCOMPARE(m_window->page<MasonryPage>()->Edit3->text(), u"0.48"_s);
    MasonryPage *page = m_window->page<MasonryPage>();
    typeInto(page->Edit1, u"12"_s);
    typeInto(page->Edit2, u"3"_s);
    QTest::mouseClick(page->BitBtn9, Qt::LeftButton);
    QVERIFY(m_errors->messages.isEmpty());
    QCOMPARE(page->Label23->text(), u"17.28"_s);
    QCOMPARE(page->Label17->text(), u"6808.32"_s);
}

void TestMainWindow::clockTexts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << u"14:05:09"_s
                             << u"11.12.2026"_s;
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates)
                                << u"2:05:09 PM"_s << u"12/11/26"_s;
}

void TestMainWindow::clockTexts()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, time);
    QFETCH(QString, date);
    QLocale::setDefault(locale);
    QVERIFY(m_window->Timer1->isActive());
    tick();
    QCOMPARE(m_window->StatusPanel1->text(), u"Текущее время: "_s + time);
    QCOMPARE(m_window->currentTimeText(), time);
    QCOMPARE(m_window->currentDateText(), date);
}

void TestMainWindow::historySavesDatedFile()
{
    tick();
    m_window->ToolButton4->trigger();
    const QString saveLine
        = u"Сохранение по запросу.История расчетов сохранена. Дата 11.12.2026 время сохранения: 14:05:09"_s;
    QCOMPARE(log().mid(1),
        (QStringList { saveLine, u"Файл создан и сохранен в папке data/11.12.2026.txt"_s,
            u"Узнаете об обновлении на сайте "_s + TForm1::siteAddress() }));
    // The confirmation and the notice come after the write: the file ends with the save line.
    QCOMPARE(readFile(u"data/11.12.2026.txt"_s),
        toWindows1251(CalculationLog::headerLine() + u"\r\n"_s + saveLine + u"\r\n\r\n"_s));
    QVERIFY(m_errors->messages.isEmpty());
}

void TestMainWindow::historyTwiceOnOneDate()
{
    tick();
    m_window->ToolButton4->trigger();
    m_window->ToolButton4->trigger();
    QCOMPARE(QDir(u"data"_s).entryList(QDir::Files), QStringList { u"11.12.2026.txt"_s });
    const QByteArray bytes = readFile(u"data/11.12.2026.txt"_s);
    // Header, the first save's three lines and the second save line.
    QCOMPARE(bytes.count("\r\n"), 6);
    QVERIFY(bytes.contains("data/11.12.2026.txt\r\n"));
}

void TestMainWindow::historyInFirstSecond()
{
    m_window->ToolButton4->trigger();
    QCOMPARE(log().at(1),
        u"Сохранение по запросу.История расчетов сохранена. Дата  время сохранения: "_s);
    QVERIFY(QFile::exists(u"data/.txt"_s));
    QCOMPARE(log().at(2), u"Файл создан и сохранен в папке data/.txt"_s);
}

void TestMainWindow::historyWithoutDataFolder()
{
    QVERIFY(QDir(u"data"_s).removeRecursively());
    tick();
    m_window->ToolButton4->trigger();
    QCOMPARE(m_errors->messages, QStringList { u"Invalid filename."_s });
    QCOMPARE(log().size(), 2); // the save line and nothing more
    QVERIFY(log().last().startsWith(u"Сохранение по запросу."_s));
}

void TestMainWindow::closePaths_data()
{
    QTest::addColumn<int>("path");
    QTest::newRow("Exit button") << 0;
    QTest::newRow("menu item") << 1;
    QTest::newRow("close box") << 2;
}

void TestMainWindow::closePaths()
{
    QFETCH(int, path);
    tick();
    if (path == 0)
        QTest::mouseClick(
            m_window->ToolBar1->widgetForAction(m_window->ToolButton16), Qt::LeftButton);
    else if (path == 1)
        m_window->ExitItem->trigger();
    else
        QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
    const QString closing
        = u"Текущая история расчетов сохранена. Дата 11.12.2026 время сохранения: 14:05:09"_s;
    QCOMPARE(log().last(), closing);
    QVERIFY(readFile(u"data/history.txt"_s).endsWith("14:05:09\r\n\r\n"));
    QVERIFY(m_errors->messages.isEmpty());
}

void TestMainWindow::failedCloseKeepsWindowOpen()
{
    QVERIFY(QDir(u"data"_s).removeRecursively());
    tick();
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_errors->messages, QStringList { u"Invalid filename."_s });
    m_window->ExitItem->trigger();
    QVERIFY(m_window->isVisible());
    QVERIFY(QDir().mkdir(u"data"_s));
    QVERIFY(m_window->close());
    const QByteArray bytes = readFile(u"data/history.txt"_s);
    QCOMPARE(bytes.count(toWindows1251(u"Текущая история расчетов сохранена."_s)), 3);
}

void TestMainWindow::sessionEndSavesHistory()
{
    tick();
    clickNode(kMasonry360Node);
    // The session's request saves the log as it stands, adding no closing line.
    const QStringList before = log();
    QVERIFY(m_window->commitData());
    QCOMPARE(log(), before);
    QCOMPARE(readFile(u"data/history.txt"_s), logFileBytes(m_window->calculationLog().text()));
    // A failed save is reported, so the logout can be cancelled.
    QDir(u"data"_s).removeRecursively();
    QVERIFY(!m_window->commitData());
    QCOMPARE(m_errors->messages, QStringList { u"Invalid filename."_s });
    QCOMPARE(log(), before);
}

void TestMainWindow::exitWithoutCloseSavesHistory()
{
    tick();
    clickNode(kMasonry360Node);
    m_window->saveHistoryAtExit();
    const QStringList lines = log();
    QCOMPARE(readFile(u"data/history.txt"_s),
        logFileBytes(m_window->calculationLog().text()
            + u"Текущая история расчетов сохранена. Дата 11.12.2026 время сохранения: 14:05:09\r\n"_s));
    QCOMPARE(log(), lines); // the window is not touched
    // After a close has saved, the exit hook leaves the file alone.
    QVERIFY(m_window->close());
    const QByteArray closed = readFile(u"data/history.txt"_s);
    m_window->calculationLog().append(u"после"_s);
    m_window->saveHistoryAtExit();
    QCOMPARE(readFile(u"data/history.txt"_s), closed);
}

void TestMainWindow::historyWithSlashesInTheDate()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    tick();
    m_window->ToolButton4->trigger();
    QVERIFY(m_errors->messages.isEmpty());
    QVERIFY(QFile::exists(u"data/12-11-26.txt"_s));
    QCOMPARE(log().at(log().size() - 2), u"Файл создан и сохранен в папке data/12-11-26.txt"_s);
    QVERIFY(
        log().at(log().size() - 3).contains(u"Дата 12/11/26 "_s)); // the date as the clock has it
}

void TestMainWindow::photographsDecode()
{
    clickNode(kBrickSectionNode);
    for (QLabel *photo : m_window->page<SectionPage>()->photos) {
        QCOMPARE(photo->pixmap().size(), QSize(150, 113));
        QCOMPARE(photo->size(), QSize(150, 113));
    }
    for (const char *name : { "concrete_blocks", "brick_wall", "timber_beams", "formwork",
             "construction_site", "landscaped_site" }) {
        const QImage image(u":/photos/"_s + QLatin1String(name) + u".jpg"_s);
        QCOMPARE(image.size(), QSize(150, 113));
    }
}

void TestMainWindow::logAreaFollowsItsLastLine()
{
    LogView *view = m_window->Memo2;
    QScrollBar *bar = view->verticalScrollBar();
    for (int i = 0; i < 30; ++i)
        m_window->calculationLog().append(u"Строка %1"_s.arg(i));
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    // The last line is on screen, the first is not.
    const QTextBlock last = view->document()->lastBlock();
    QCOMPARE(last.text(), u"Строка 29"_s);
    QVERIFY(view->cursorForPosition(QPoint(4, 4)).blockNumber() > 20);
    // Scrolled back, a new line brings the view to the end again.
    bar->setValue(0);
    m_window->calculationLog().append(QString(60, u'ж') + u' ' + QString(60, u'ж'));
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(view->toPlainText(), log().join(u'\n'));
}

void TestMainWindow::logAreaReadByScreenReader()
{
    m_window->calculationLog().append(u"Выбрано:  Главная страница"_s);
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(m_window->Memo2);
    QVERIFY(area);
    QCOMPARE(area->text(QAccessible::Name), u"История расчетов"_s);
    QAccessibleTextInterface *text = area->textInterface();
    QVERIFY(text);
    const QString shown = log().join(u'\n');
    QCOMPARE(text->characterCount(), shown.size());
    QCOMPARE(text->text(0, text->characterCount()), shown);
}

void TestMainWindow::logAreaCopiesSelection()
{
    m_window->calculationLog().append(u"Итоги произведенного расчета:"_s);
    QGuiApplication::clipboard()->clear();
    LogView *view = m_window->Memo2;
    view->setFocus();
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), log().join(u'\n'));
    // The keyboard selects too: Home, then Shift+End takes the first line alone.
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), log().first());
    // The text stays what it was: the area is read-only.
    QTest::keyClicks(view, u"abc"_s);
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(view->toPlainText(), log().join(u'\n'));
}

void TestMainWindow::logAreaContextMenu()
{
    LogView *view = m_window->Memo2;
    QStringList texts;
    QTimer::singleShot(0, this, [&] {
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *a : menu->actions())
            texts << a->text() + (a->isEnabled() ? u""_s : u" (off)"_s);
        menu->findChild<QAction *>(u"selectAllAction"_s)->trigger();
        menu->close();
    });
    QContextMenuEvent event(
        QContextMenuEvent::Mouse, QPoint(10, 10), view->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(view->viewport(), &event);
    QCOMPARE(texts, (QStringList { u"&Копировать (off)"_s, u"Выделить &все"_s }));
    QCOMPARE(view->textCursor().selectedText(), log().join(QChar::ParagraphSeparator));
}

void TestMainWindow::statusPanelsNameWhatTheyShow()
{
    QAccessibleInterface *panel0 = QAccessible::queryAccessibleInterface(m_window->StatusPanel0);
    QAccessibleInterface *panel1 = QAccessible::queryAccessibleInterface(m_window->StatusPanel1);
    QCOMPARE(panel0->text(QAccessible::Name), kGreeting);
    QCOMPARE(panel0->text(QAccessible::Description), u"Текущий расчет"_s);
    QCOMPARE(panel1->text(QAccessible::Description), u"Текущее время"_s);
    clickNode(kMasonry360Node);
    QCOMPARE(panel0->text(QAccessible::Name), m_window->StatusPanel0->text());
    QCOMPARE(panel0->text(QAccessible::Name), u"Текущий расчет: "_s + nodeText(kMasonry360Node));
    tick();
    QCOMPARE(panel1->text(QAccessible::Name), u"Текущее время: 14:05:09"_s);
}

void TestMainWindow::selectionHighlightOnlyWithFocus()
{
    clickNode(kMasonry360Node);
    SectionTree *tree = m_window->TreeView1;
    const QRect row = tree->visualItemRect(tree->node(kMasonry360Node));
    const QPoint probe(row.right() - 2, row.center().y()); // right of the text
    const auto colourAt = [&] { return tree->viewport()->grab().toImage().pixelColor(probe); };
    const QColor base = QApplication::palette(tree).color(QPalette::Active, QPalette::Base);
    // Fusion draws the highlight as a light gradient; without the focus it is the plain base.
    QVERIFY(tree->hasFocus());
    QVERIFY(colourAt() != base);
    m_window->Memo2->setFocus();
    QCOMPARE(colourAt(), base);
    QVERIFY(tree->node(kMasonry360Node)->icon(0).cacheKey()
        != tree->node(kMasonry480Node)->icon(0).cacheKey());
    tree->setFocus();
    QVERIFY(colourAt() != base);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
