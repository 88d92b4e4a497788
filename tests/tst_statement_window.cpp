// The statement as a user meets it in the real window: «В ведомость» follows the page's
// results, positions come from every calculator, Del and Ctrl+Z/Ctrl+Y, editing in place, the
// exports read back by independent readers, a failed export, and closing with unsaved changes.
#include "app/clock.h"
#include "calc/foundation_page.h"
#include "calc/masonry_page.h"
#include "calc/materials.h"
#include "calc/painting_page.h"
#include "calc/sowing_page.h"
#include "calc/underlayer_page.h"
#include "file_size_limit.h"
#include "log/log_file.h"
#include "navigation/routing.h"
#include "navigation/section_nodes.h"
#include "navigation/section_tree.h"
#include "statement/statement_model.h"
#include "statement/statement_window.h"
#include "test_support.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QFile>
#include <QGroupBox>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {
const QDateTime kNow(QDate(2026, 12, 11), QTime(14, 5, 9));

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Runs a reader program; its standard output, or "<failed>".
QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return u"<failed> "_s + QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class TestStatementWindow : public QObject, protected WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void addFollowsTheShownResults();
    void positionsFromEveryCalculator();
    void deleteUndoRedoByKeys();
    void editNameAndCountInPlace();
    void excelReadBack();
    void pdfText();
    void pdfRepeatsTheHeaderOnEveryPage();
    void failedExportKeepsTheFile();
    void closingAsksAboutUnsavedChanges_data();
    void closingAsksAboutUnsavedChanges();
    void sessionEndSavesWithoutAsking();
    void tableSpeaksItsCells();
    void accessKeysAreUnique();

private:
    void calculateMasonry(int node, const QString &length);
    void addEveryCalculator();
    StatementModel *model() { return m_window->statement(); }
    QAction *add() { return m_window->AddToStatementButton; }
    int m_questions = 0;
    int m_answer = QMessageBox::Cancel;
};

void TestStatementWindow::init()
{
    Clock::setSource([] { return kNow; });
    startWindow();
    QDir().mkdir(u"data"_s);
    m_window->Timer1Timer();
    m_questions = 0;
    m_window->askToSaveStatement = [this] {
        ++m_questions;
        return m_answer;
    };
}

void TestStatementWindow::cleanup()
{
    stopWindow();
    Clock::setSource({});
}

void TestStatementWindow::calculateMasonry(int node, const QString &length)
{
    m_window->TreeView1->selectIndex(node);
    MasonryPage *p = m_window->page<MasonryPage>();
    typeInto(p->Edit1, length);
    typeInto(p->Edit2, u"3"_s);
    QTest::mouseClick(p->BitBtn9, Qt::LeftButton);
}

void TestStatementWindow::addEveryCalculator()
{
    calculateMasonry(kMasonry360Node, u"10"_s);
    add()->trigger();
    m_window->TreeView1->selectIndex(kFoundationNode);
    FoundationPage *f = m_window->page<FoundationPage>();
    typeInto(f->Edit8, u"2"_s);
    typeInto(f->Edit9, u"1,5"_s);
    typeInto(f->Edit10, u"0,8"_s);
    clickRadio(f->classes->button(0));
    QTest::mouseClick(f->BitBtn2, Qt::LeftButton);
    add()->trigger();
    m_window->TreeView1->selectIndex(kPaintingNode);
    PaintingPage *p = m_window->page<PaintingPage>();
    typeInto(p->Edit13, u"4"_s);
    typeInto(p->Edit14, u"5"_s);
    QTest::mouseClick(p->BitBtn6, Qt::LeftButton);
    add()->trigger();
    m_window->TreeView1->selectIndex(kUnderlayerNode);
    UnderlayerPage *u = m_window->page<UnderlayerPage>();
    clickRadio(u->RadioGroup4->findChildren<QRadioButton *>().at(8));
    QTest::mouseClick(u->Button1, Qt::LeftButton);
    add()->trigger();
    m_window->TreeView1->selectIndex(kSowingNode);
    SowingPage *s = m_window->page<SowingPage>();
    typeInto(s->Edit11, u"10"_s);
    typeInto(s->Edit12, u"10"_s);
    clickRadio(s->works->button(2));
    QTest::mouseClick(s->BitBtn4, Qt::LeftButton);
    add()->trigger();
    QVERIFY(m_errors->messages.isEmpty());
}

void TestStatementWindow::addFollowsTheShownResults()
{
    QVERIFY(!add()->isEnabled());
    calculateMasonry(kMasonry360Node, u"10"_s);
    QVERIFY(add()->isEnabled());
    QVERIFY(m_window->AddToStatementItem->isEnabled());
    m_window->TreeView1->selectIndex(kHomeNode); // another page shows no results
    QVERIFY(!add()->isEnabled());
    m_window->TreeView1->selectIndex(kMasonry360Node);
    QVERIFY(add()->isEnabled());
    QTest::mouseClick(m_window->page<MasonryPage>()->BitBtn8, Qt::LeftButton); // Clear
    QVERIFY(!add()->isEnabled());
    calculateMasonry(kMasonry360Node, u"10"_s);
    calculateMasonry(kMasonry360Node, u"abc"_s); // a failed Calculate
    QCOMPARE(m_errors->messages.size(), 1);
    QVERIFY(!add()->isEnabled());
    add()->trigger(); // does nothing while disabled
    QCOMPARE(model()->rowCount(), 0);
}

void TestStatementWindow::positionsFromEveryCalculator()
{
    addEveryCalculator();
    QCOMPARE(model()->rowCount(), 5);
    QStringList works, added;
    for (int i = 0; i < 5; ++i)
        works << model()->statement().at(i).calculation.work;
    for (const QString &line : m_window->calculationLog().lines())
        if (line.startsWith(u"Добавлено в ведомость: "_s))
            added << line.mid(23);
    const QStringList nodes = { nodeText(kMasonry360Node), nodeText(kFoundationNode),
        nodeText(kPaintingNode), nodeText(kUnderlayerNode), nodeText(kSowingNode) };
    QCOMPARE(works, nodes);
    QCOMPARE(added, nodes);
    // The same calculation twice is two positions.
    add()->trigger();
    QCOMPARE(model()->rowCount(), 6);
    QCOMPARE(
        model()->data(model()->index(5, StatementModel::Work)).toString(), nodeText(kSowingNode));
    // The window opens on the positions, one window however often it is asked for.
    m_window->StatementButton->trigger();
    StatementWindow *w = m_window->statementWindow();
    QVERIFY(w->isVisible());
    m_window->StatementItem->trigger();
    QCOMPARE(m_window->findChildren<StatementWindow *>().size(), 1);
    QCOMPARE(w->positionsView->model()->rowCount(), 6);
}

void TestStatementWindow::deleteUndoRedoByKeys()
{
    addEveryCalculator();
    m_window->StatementClick();
    StatementWindow *w = m_window->statementWindow();
    QTRY_COMPARE(QApplication::activeWindow(), w);
    QTableView *view = w->positionsView;
    view->setFocus();
    view->selectRow(1);
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(model()->rowCount(), 4);
    QCOMPARE(
        model()->data(model()->index(1, StatementModel::Work)).toString(), nodeText(kPaintingNode));
    QCOMPARE(model()->data(model()->index(1, StatementModel::Number)).toString(), u"2"_s);
    const int concreteColumns = model()->columnCount();
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(model()->rowCount(), 5);
    QCOMPARE(model()->data(model()->index(1, StatementModel::Work)).toString(),
        nodeText(kFoundationNode));
    QVERIFY(model()->columnCount() > concreteColumns); // the formwork columns are back
    QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(model()->rowCount(), 4);
    // Several rows at once, brought back by one undo.
    view->selectAll();
    w->deleteAction->trigger();
    QCOMPARE(model()->rowCount(), 0);
    w->undoAction->trigger();
    QCOMPARE(model()->rowCount(), 4);
}

void TestStatementWindow::editNameAndCountInPlace()
{
    calculateMasonry(kMasonry360Node, u"10"_s);
    add()->trigger();
    m_window->StatementClick();
    StatementWindow *w = m_window->statementWindow();
    QTRY_COMPARE(QApplication::activeWindow(), w);
    QTableView *view = w->positionsView;
    view->setFocus();
    // F2 edits the current cell; Enter commits.
    view->setCurrentIndex(model()->index(0, StatementModel::Name));
    QTest::keyClick(view, Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), u"Wall A"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(model()->statement().at(0).name, u"Wall A"_s); // the delegate commits queued
    view->setCurrentIndex(model()->index(0, StatementModel::Count));
    QTest::keyClick(view, Qt::Key_F2);
    QApplication::focusWidget()->setProperty("value", 4); // the spin box editor
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(model()->statement().at(0).count, 4);
    const int bricks = StatementModel::FirstMaterial; // the first material column
    QCOMPARE(model()->data(model()->index(0, bricks)).toString(), u"17064"_s);
    QVERIFY(!model()->setData(model()->index(0, StatementModel::Count), 0)); // at least one
    w->undoAction->trigger();
    QCOMPARE(model()->statement().at(0).count, 1);
    QCOMPARE(model()->data(model()->index(0, bricks)).toString(), u"4266"_s);
    w->undoAction->trigger();
    QCOMPARE(model()->statement().at(0).name, QString());
    w->redoAction->trigger();
    QCOMPARE(model()->statement().at(0).name, u"Wall A"_s);
}

void TestStatementWindow::excelReadBack()
{
    addEveryCalculator();
    model()->setData(model()->index(0, StatementModel::Count), 3);
    StatementWindow *w = m_window->statementWindow();
    QCOMPARE(w->proposedPath(StatementWindow::Format::Excel), u"data/Ведомость 11.12.2026.xlsx"_s);
    w->exportTo(StatementWindow::Format::Excel, u"data/job.xlsx"_s);
    const QString out = run(QStringLiteral(KLADOMER_PYTHON),
        { QStringLiteral(KLADOMER_TESTS_DIR "/read_xlsx.py"), u"data/job.xlsx"_s });
    QVERIFY2(!out.startsWith(u"<failed>"_s), qPrintable(out));
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.contains(u"frozen\tA4"_s));
    QVERIFY(lines.contains(u"orientation\tlandscape"_s));
    QVERIFY(lines.contains(u"paper\t9"_s));
    QVERIFY(lines.contains(u"header bold\tTrue"_s));
    QVERIFY(lines.contains(u"title\tВедомость материалов"_s));
    QVERIFY(lines.contains(u"cell\t1\t1\ts\tВедомость материалов — Кладомер 2, 11.12.2026"_s));
    // Every quantity is a numeric cell holding the stored double exactly.
    const Statement &s = model()->statement();
    const std::vector<int> used = s.usedMaterials();
    int checked = 0;
    for (int i = 0; i < s.size(); ++i) {
        for (std::size_t k = 0; k < used.size(); ++k) {
            const MaterialQuantity q = s.quantity(i, used[k], u',');
            if (q.text.isEmpty())
                continue;
            const QString prefix = u"cell\t%1\t%2\tn\t"_s.arg(4 + i).arg(8 + static_cast<int>(k));
            const auto line = std::find_if(
                lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(prefix); });
            QVERIFY2(line != lines.end(), qPrintable(prefix));
            // libxlsxwriter writes 16 significant digits (Excel itself keeps 15).
            const double read = line->mid(prefix.size()).toDouble();
            const double written = QString::number(q.value, 'g', 16).toDouble();
            QVERIFY2(std::memcmp(&read, &written, sizeof read) == 0, qPrintable(*line));
            ++checked;
        }
    }
    QCOMPARE(checked, 19); // 3 + 6 + 4 + 1 + 5 materials of the five positions
    // The totals stand in the third column, below the positions.
    for (const MaterialQuantity &t : s.totals(u',')) {
        const double written = QString::number(t.value, 'g', 16).toDouble();
        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                     [&](const QString &l) {
                         return l.section(u'\t', 1, 1).toInt() > 3 + s.size()
                             && l.section(u'\t', 2, 2) == u"4"_s && l.section(u'\t', 3, 3) == u"n"_s
                             && l.section(u'\t', 4, 4).toDouble() == written;
                     }),
            qPrintable(t.text));
    }
}

void TestStatementWindow::pdfText()
{
    addEveryCalculator();
    model()->setData(model()->index(0, StatementModel::Name), u"Стена по оси А"_s);
    model()->setData(model()->index(2, StatementModel::Name), u"Ворота склада"_s);
    m_window->statementWindow()->exportTo(StatementWindow::Format::Pdf, u"data/job.pdf"_s);
    QVERIFY(readFile(u"data/job.pdf"_s).startsWith("%PDF"));
    const QString text = run(u"pdftotext"_s, { u"-layout"_s, u"data/job.pdf"_s, u"-"_s });
    QVERIFY2(!text.startsWith(u"<failed>"_s), qPrintable(text));
    QVERIFY(text.contains(u"Ведомость материалов"_s));
    QVERIFY(text.contains(u"Кладомер 2, 11.12.2026"_s));
    QVERIFY(text.contains(u"Стена по оси А"_s));
    QVERIFY(text.contains(u"Ворота склада"_s));
    QVERIFY(text.contains(u"Страница 1 из 1"_s));
    for (const MaterialQuantity &t : model()->statement().totals(u',')) {
        QVERIFY2(text.contains(QString::fromUtf16(materials()[t.material].name)), "a material");
        QVERIFY2(text.contains(t.text), qPrintable(t.text));
    }
}

void TestStatementWindow::pdfRepeatsTheHeaderOnEveryPage()
{
    calculateMasonry(kMasonry360Node, u"10"_s);
    for (int i = 0; i < 120; ++i)
        add()->trigger();
    m_window->statementWindow()->exportTo(StatementWindow::Format::Pdf, u"data/long.pdf"_s);
    const QString info = run(u"pdfinfo"_s, { u"data/long.pdf"_s });
    const int pages = info.section(u"Pages:"_s, 1).trimmed().section(u'\n', 0, 0).toInt();
    QVERIFY2(pages >= 3, qPrintable(info));
    for (int page = 1; page <= pages; ++page) {
        const QString text = run(u"pdftotext"_s,
            { u"-f"_s, QString::number(page), u"-l"_s, QString::number(page), u"data/long.pdf"_s,
                u"-"_s });
        QVERIFY2(text.contains(u"Страница %1 из %2"_s.arg(page).arg(pages)), qPrintable(text));
        if (page < pages) // the positions go on: their header heads the page
            QVERIFY2(text.contains(u"Исходные данные"_s), qPrintable(text));
    }
}

void TestStatementWindow::failedExportKeepsTheFile()
{
    addEveryCalculator();
    const QByteArray earlier(3000, 'x');
    {
        QFile f(u"data/job.xlsx"_s);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(earlier);
    }
    bool saved = true;
    withFileSizeLimit(1024, [&] {
        saved = runGuarded([this] {
            m_window->statementWindow()->exportTo(StatementWindow::Format::Csv, u"data/job.xlsx"_s);
        });
    });
    QVERIFY(!saved);
    QCOMPARE(m_errors->messages, QStringList { u"I/O error %1."_s.arg(EFBIG) });
    QCOMPARE(readFile(u"data/job.xlsx"_s), earlier);
    QVERIFY(model()->hasUnsavedChanges()); // not saved, so still asked about
}

void TestStatementWindow::closingAsksAboutUnsavedChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("workbook");
    QTest::newRow("Да saves to data/") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("Нет closes without it") << int(QMessageBox::No) << true << false;
    QTest::newRow("Отмена keeps the window") << int(QMessageBox::Cancel) << false << false;
}

void TestStatementWindow::closingAsksAboutUnsavedChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, workbook);
    // An empty statement closes as ever, without a question.
    m_answer = answer;
    calculateMasonry(kMasonry360Node, u"10"_s);
    add()->trigger();
    const int lines = m_window->calculationLog().lines().size();
    QCOMPARE(m_window->close(), closes);
    QCOMPARE(m_questions, 1);
    QCOMPARE(QFile::exists(u"data/Ведомость 11.12.2026.xlsx"_s), workbook);
    QCOMPARE(m_window->calculationLog().lines().size(), closes ? lines + 1 : lines);
    if (!closes) {
        // Exported since: the next close asks nothing.
        m_window->statementWindow()->exportTo(StatementWindow::Format::Csv, u"data/job.csv"_s);
        QVERIFY(m_window->close());
        QCOMPARE(m_questions, 1);
    }
}

void TestStatementWindow::sessionEndSavesWithoutAsking()
{
    calculateMasonry(kMasonry360Node, u"10"_s);
    add()->trigger();
    QVERIFY(m_window->commitData());
    QCOMPARE(m_questions, 0);
    QVERIFY(readFile(u"data/Ведомость 11.12.2026.xlsx"_s).startsWith("PK"));
    QVERIFY(!model()->hasUnsavedChanges());
    // A signal's close saves without asking too.
    add()->trigger();
    m_window->closeFromOutside();
    QCOMPARE(m_questions, 0);
    QVERIFY(!m_window->isVisible());
}

void TestStatementWindow::tableSpeaksItsCells()
{
    calculateMasonry(kMasonry360Node, u"10"_s);
    add()->trigger();
    StatementWindow *w = m_window->statementWindow();
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(w->positionsView);
    QCOMPARE(table->text(QAccessible::Name), u"Позиции ведомости"_s);
    QAccessibleTableInterface *cells = table->tableInterface();
    QVERIFY(cells);
    QCOMPARE(cells->rowCount(), 1);
    QAccessibleInterface *work = cells->cellAt(0, StatementModel::Work);
    QCOMPARE(work->text(QAccessible::Name), nodeText(kMasonry360Node));
    for (QWidget *control : w->findChildren<QWidget *>()) {
        if (control->focusPolicy() & Qt::TabFocus)
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                qPrintable(control->objectName()));
    }
}

void TestStatementWindow::accessKeysAreUnique()
{
    // Alt with an underlined letter reaches each button and each table: no letter twice.
    StatementWindow *w = m_window->statementWindow();
    QStringList keys;
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
        keys << QKeySequence::mnemonic(b->text()).toString();
    for (QLabel *l : w->findChildren<QLabel *>())
        if (l->buddy())
            keys << QKeySequence::mnemonic(l->text()).toString();
    keys.removeAll(QString());
    QCOMPARE(keys.size(), 7);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
}

QTEST_MAIN(TestStatementWindow)
#include "tst_statement_window.moc"
