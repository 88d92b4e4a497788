// The main window (TForm1) and every routine of the program.
//
// Data flow: the section tree's selection and clicks go through the routing table to a page
// (TreeView1Change, TreeView1Click, Back, Forward, Home, About). A page's Calculate reads its
// fields with ReadNumber, hands the numbers to the pure computation of its calculator, shows the
// results with FormatResult and appends lines to the calculation log. The History button and the
// close event write the log to a file in "data". The clock refreshes the status line and the two
// clock texts once a second.
#pragma once

#include "log/calculation_log.h"
#include "navigation/routing.h"

#include <QMainWindow>

#include <array>
#include <functional>

class CalculatorPage;
class QAction;
class QLabel;
class QStackedWidget;
class QTimer;
class QToolBar;
class FoundationPage;
class HomePage;
class LogView;
class MasonryPage;
class PaintingPage;
class SectionPage;
class SectionTree;
class SowingPage;
class StatementModel;
class StatementWindow;
class UnderlayerPage;

class TForm1 : public QMainWindow, private RoutingTarget {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The web address the update notice names.
    static QString siteAddress();

    // Routines.
    void FormShow();
    void Timer1Timer();
    void ToolButton16Click(); // Exit: the tool button and "Выход из программы"
    void FormClose(); // saves the log to data/history.txt; an error keeps the window open
    void ToolButton4Click(); // History: saves the log to data/<date>.txt
    void TreeView1Change();
    void TreeView1Click();
    void ToolButton1Click(); // Home
    void ToolButton8Click(); // Back
    void ToolButton9Click(); // Forward
    void N4Click(); // About
    // The statement of materials: adds the current page's calculation as a position, opens the
    // window.
    void AddToStatementClick();
    void StatementClick();
    // A close asked for from outside (a signal): a statement with unsaved changes is exported
    // to data/ without a question, as at the end of the session.
    void closeFromOutside();
    // The desktop session asks for the data (a logout or a checkpoint): saves the history as it
    // stands to data/history.txt; false (the error reported) when the save failed.
    bool commitData();
    // The program ends without a close (the display was lost): writes the history with a
    // closing line, touching no widget; does nothing once a close has saved it.
    void saveHistoryAtExit() noexcept;

    CalculationLog &calculationLog() { return m_log; }
    const QString &currentTimeText() const { return m_currentTimeText; }
    const QString &currentDateText() const { return m_currentDateText; }

    QToolBar *ToolBar1;
    QAction *ToolButton16, *ToolButton1, *ToolButton8, *ToolButton9, *ToolButton4;
    QAction *AddToStatementButton, *StatementButton;
    QAction *ExitItem, *ForwardItem, *BackItem, *N4, *AddToStatementItem, *StatementItem;
    SectionTree *TreeView1;
    QStackedWidget *PageControl1;
    LogView *Memo2; // the log area
    QLabel *StatusPanel0, *StatusPanel1;
    QTimer *Timer1;

    // The pages. The home page is built with the window; every other page the first time it is
    // needed (shown, written to by the routing, or asked for here), so that the first frame
    // waits for none of them. A page is built once and kept.
    // The designer names: TabSheet1 masonry, TabSheet2 foundation, TabSheet3 home, TabSheet4
    // sowing, TabSheet5 painting, TabSheet6 section overview, TabSheet7 underlayer.
    QWidget *page(Page which);
    template <typename PageWidget> PageWidget *page()
    {
        return static_cast<PageWidget *>(page(PageWidget::kPage));
    }

    // The statement of materials, made when first used.
    StatementModel *statement();
    StatementWindow *statementWindow();
    // Asked on closing while the statement has unsaved changes; tests answer it themselves.
    // Returns QMessageBox::Yes, No or Cancel.
    std::function<int()> askToSaveStatement;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showPage(Page page) override;
    void setSectionName(const QString &name) override;
    void setThickness(const QString &text) override;
    void setAboutNoteVisible(bool visible) override;

    void buildActions();
    QWidget *buildClientArea();
    void routeSelected(RouteCause cause);
    QString closingLine() const;
    void updateAddToStatement();
    QString statementDate() const;
    // Exports a statement with unsaved changes to data/ as Excel; throws on failure.
    void saveStatementToData();
    void step(int delta);

    CalculationLog m_log;
    HomePage *m_home = nullptr;
    std::array<QWidget *, kPageCount> m_pages {}; // by Page; null until built
    QString m_currentTimeText;
    QString m_currentDateText;
    bool m_shown = false;
    bool m_historySaved = false; // a close has written data/history.txt
    bool m_closingFromOutside = false;
    StatementModel *m_statement = nullptr;
    StatementWindow *m_statementWindow = nullptr;
};
