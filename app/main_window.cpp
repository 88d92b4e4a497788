// The main window: regions, tool bar, menu, clock, routing of the tree and the log saves.
#include "app/main_window.h"

#include "app/application.h"
#include "app/clock.h"
#include "app/error_report.h"
#include "app/home_page.h"
#include "app/log_view.h"
#include "app/section_page.h"
#include "calc/foundation_page.h"
#include "calc/masonry_page.h"
#include "calc/number_rules.h"
#include "calc/page_kit.h"
#include "calc/painting_page.h"
#include "calc/sowing_page.h"
#include "calc/underlayer_page.h"
#include "log/log_file.h"
#include "navigation/section_tree.h"
#include "resources/pictures.h"
#include "statement/statement_model.h"
#include "statement/statement_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSessionManager>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
constexpr int kClientWidth = 650;
constexpr int kClientHeight = 671;
constexpr int kToolBarHeight = 47;
constexpr int kStatusHeight = 19;
// The regions under the tool bar, in client pixels less the tool bar's height.
constexpr QRect kTreeRect(8, 56 - kToolBarHeight, 289, 529);
constexpr QRect kPageRect(304, 56 - kToolBarHeight, 337, 537);
constexpr QRect kLogRect(8, 600 - kToolBarHeight, 633, 49);
constexpr QSize kRegionsSize(kClientWidth, kClientHeight - kToolBarHeight - kStatusHeight);

// The pages of the page area, in the order of Page: designer name and how each is made.
struct PageKind {
    Page page;
    const char *designerName;
    QWidget *(*make)(TForm1 &window);
};
template <typename PageWidget> QWidget *makeCalculator(TForm1 &window)
{
    return new PageWidget(window.calculationLog());
}
constexpr std::array<PageKind, kPageCount> kPageKinds { {
    { Page::Home, "TabSheet3", [](TForm1 &) -> QWidget * { return new HomePage; } },
    { Page::Masonry, "TabSheet1",
        [](TForm1 &w) -> QWidget * {
            return new MasonryPage(
                w.calculationLog(), [&w] { return w.TreeView1->selectedIndex(); });
        } },
    { Page::Foundation, "TabSheet2", makeCalculator<FoundationPage> },
    { Page::Sowing, "TabSheet4", makeCalculator<SowingPage> },
    { Page::Painting, "TabSheet5", makeCalculator<PaintingPage> },
    { Page::Section, "TabSheet6", [](TForm1 &) -> QWidget * { return new SectionPage; } },
    { Page::Underlayer, "TabSheet7", makeCalculator<UnderlayerPage> },
} };
static_assert(
    [] {
        for (std::size_t i = 0; i < kPageKinds.size(); ++i) {
            if (static_cast<std::size_t>(kPageKinds[i].page) != i)
                return false;
        }
        return true;
    }(),
    "one row per page, in the order of Page");
} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(u"Кладомер 2 "_s);
    // The window carries the program icon set on the application.
    buildActions();
    setCentralWidget(buildClientArea());

    // A panel's accessible name is the text it shows (a label's own name), so a screen reader
    // hears the greeting, the current node and the time; the caption is the description.
    StatusPanel0 = new QLabel;
    StatusPanel0->setFixedWidth(500);
    StatusPanel0->setAccessibleDescription(u"Текущий расчет"_s);
    StatusPanel1 = new QLabel;
    StatusPanel1->setAccessibleDescription(u"Текущее время"_s);
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1, 1);
    statusBar()->setSizeGripEnabled(true);
    statusBar()->setObjectName(u"StatusBar1"_s);

    askToSaveStatement = [this] {
        QMessageBox box(QMessageBox::Question, Application::title(), u"Сохранить ведомость?"_s,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        box.setInformativeText(u"Ведомость материалов изменена после последнего сохранения. "
                               u"«Да» сохранит ее в папку data как книгу Excel."_s);
        box.button(QMessageBox::Yes)->setText(u"&Да"_s);
        box.button(QMessageBox::No)->setText(u"&Нет"_s);
        box.button(QMessageBox::Cancel)->setText(u"Отмена"_s);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec();
    };

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, guarded([this] { Timer1Timer(); }));
    Timer1->start();
    NAME_WIDGET(Timer1);

    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
        // A history that cannot be saved stops the logout where the session manager lets it.
        if (!commitData())
            manager.cancel();
    });

    const int chrome = menuBar()->sizeHint().height() + ToolBar1->sizeHint().height()
        + statusBar()->sizeHint().height();
    resize(kClientWidth, kRegionsSize.height() + chrome);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() = default;

QString TForm1::siteAddress()
{
    return u"https://kladomer2.ru"_s;
}

void TForm1::buildActions()
{
    const QIcon exitIcon = loadIcon(u"exit"_s);
    const QIcon homeIcon = loadIcon(u"home"_s);
    const QIcon backIcon = loadIcon(u"back"_s);
    const QIcon forwardIcon = loadIcon(u"forward"_s);
    const QIcon historyIcon = loadIcon(u"history"_s);

    ToolBar1 = addToolBar(u"ToolBar1"_s);
    ToolBar1->setObjectName(u"ToolBar1"_s);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto *gap = new QWidget; // ToolButton2: an 8-pixel separator before the first button
    gap->setFixedWidth(8);
    ToolBar1->addWidget(gap);

    const auto addButton
        = [this](const QIcon &icon, const QString &caption, const char *name, auto routine) {
              QAction *action = ToolBar1->addAction(icon, caption);
              action->setObjectName(QLatin1String(name));
              action->setToolTip(QString());
              QWidget *button = ToolBar1->widgetForAction(action);
              button->setObjectName(QLatin1String(name));
              button->setMinimumSize(52, 45);
              button->setAccessibleName(caption);
              connect(action, &QAction::triggered, this,
                  guarded([this, routine] { (this->*routine)(); }));
              return action;
          };
    ToolButton16 = addButton(exitIcon, u"Выход"_s, "ToolButton16", &TForm1::ToolButton16Click);
    ToolButton1 = addButton(homeIcon, u"Главная"_s, "ToolButton1", &TForm1::ToolButton1Click);
    ToolButton8 = addButton(backIcon, u"Назад"_s, "ToolButton8", &TForm1::ToolButton8Click);
    ToolButton9 = addButton(forwardIcon, u"Вперед"_s, "ToolButton9", &TForm1::ToolButton9Click);
    ToolButton4 = addButton(historyIcon, u"История"_s, "ToolButton4", &TForm1::ToolButton4Click);
    ToolButton4->setToolTip(u"Сохранить историю расчетов"_s);
    // The statement of materials: its own pictures, after the history.
    const QIcon addIcon = loadIcon(u"add_to_statement"_s);
    const QIcon statementIcon = loadIcon(u"statement"_s);
    AddToStatementButton = addButton(
        addIcon, u"В ведомость"_s, "AddToStatementButton", &TForm1::AddToStatementClick);
    AddToStatementButton->setToolTip(u"Добавить результаты расчета в ведомость материалов"_s);
    AddToStatementButton->setEnabled(false);
    StatementButton
        = addButton(statementIcon, u"Ведомость"_s, "StatementButton", &TForm1::StatementClick);
    StatementButton->setToolTip(u"Открыть ведомость материалов"_s);
    // Tool bar buttons without a hint show none (Qt would show the caption).
    for (QAction *a : { ToolButton16, ToolButton1, ToolButton8, ToolButton9 })
        ToolBar1->widgetForAction(a)->setToolTip(QString());

    const auto addItem = [this](QMenu *menu, const QIcon &icon, const QString &text,
                             const char *name, auto routine) {
        QAction *item = menu->addAction(icon, text);
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, guarded([this, routine] { (this->*routine)(); }));
        return item;
    };
    // The menu titles carry access keys (Alt+Д, Alt+У, Alt+?) so the menus open without a mouse.
    QMenu *actions = menuBar()->addMenu(u"&Действия"_s);
    AddToStatementItem = addItem(actions, addIcon, u"Добавить в &ведомость"_s, "AddToStatementItem",
        &TForm1::AddToStatementClick);
    AddToStatementItem->setShortcut(QKeySequence(u"Ctrl+B"_s));
    AddToStatementItem->setEnabled(false);
    StatementItem = addItem(actions, statementIcon, u"Ведомость &материалов"_s, "StatementItem",
        &TForm1::StatementClick);
    actions->addSeparator();
    ExitItem = addItem(
        actions, exitIcon, u"Выход из программы"_s, "ExitItem", &TForm1::ToolButton16Click);
    // The navigation items do what the Forward and Back buttons do.
    QMenu *navigation = menuBar()->addMenu(u"&Управление"_s);
    ForwardItem
        = addItem(navigation, forwardIcon, u"&Вперед"_s, "ForwardItem", &TForm1::ToolButton9Click);
    BackItem = addItem(navigation, backIcon, u"&Назад"_s, "BackItem", &TForm1::ToolButton8Click);
    QMenu *help = menuBar()->addMenu(u"&?"_s);
    N4 = addItem(help, homeIcon, u"О программе"_s, "N4", &TForm1::N4Click);
}

QWidget *TForm1::buildClientArea()
{
    auto *regions = new QWidget;
    regions->setFixedSize(kRegionsSize);

    TreeView1 = new SectionTree(regions);
    TreeView1->setGeometry(kTreeRect);
    NAME_WIDGET(TreeView1);

    PageControl1 = new QStackedWidget(regions);
    PageControl1->setGeometry(kPageRect);
    NAME_WIDGET(PageControl1);
    m_home = page<HomePage>();

    Memo2 = new LogView(m_log.lines(), regions);
    Memo2->setGeometry(kLogRect);
    Memo2->setAccessibleName(u"История расчетов"_s);
    NAME_WIDGET(Memo2);
    m_log.setView([this](const QString &line) { Memo2->appendLine(line); });

    setTabOrder(TreeView1, PageControl1);
    connect(
        TreeView1, &SectionTree::selectedNodeChanged, this, guarded([this] { TreeView1Change(); }));
    connect(PageControl1, &QStackedWidget::currentChanged, this, &TForm1::updateAddToStatement);
    connect(TreeView1, &SectionTree::clicked, this, guarded([this] { TreeView1Click(); }));

    // A window smaller than the regions need scrolls.
    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // the keyboard order starts at the tree
    scroll->setWidget(regions);
    scroll->setWidgetResizable(false);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return scroll;
}

QWidget *TForm1::page(Page which)
{
    QWidget *&slot = m_pages[static_cast<std::size_t>(which)];
    if (slot)
        return slot;
    const PageKind &kind = kPageKinds[static_cast<std::size_t>(which)];
    slot = kind.make(*this);
    slot->setObjectName(QLatin1String(kind.designerName));
    PageControl1->addWidget(slot);
    if (auto *calculator = qobject_cast<CalculatorPage *>(slot))
        connect(calculator, &CalculatorPage::shownCalculationChanged, this,
            &TForm1::updateAddToStatement);
    // The new page's widgets joined the end of the keyboard order; they belong right after the
    // tree, where Tab from the tree reaches the page shown.
    QList<QWidget *> order;
    for (QWidget *w = slot->nextInFocusChain(); slot->isAncestorOf(w); w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w;
    }
    QWidget *previous = TreeView1;
    for (QWidget *w : order) {
        setTabOrder(previous, w);
        previous = w;
    }
    return slot;
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        runGuarded([this] { FormShow(); });
    }
}

void TForm1::FormShow()
{
    PageControl1->setCurrentWidget(m_home);
    StatusPanel0->setText(u"Добро пожаловать в программу \"Кладомер\"!"_s);
}

void TForm1::Timer1Timer()
{
    const QDateTime now = Clock::now();
    const QLocale locale;
    m_currentTimeText = longTimeText(now.time(), locale);
    StatusPanel1->setText(u"Текущее время: "_s + m_currentTimeText);
    m_currentDateText = shortDateText(now.date(), locale);
}

void TForm1::ToolButton16Click()
{
    close();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // A statement not exported since its last change is not lost: asked about on a close by the
    // user, saved without a question at the end of the session.
    if (m_statement && m_statement->hasUnsavedChanges()) {
        const int answer = m_closingFromOutside ? QMessageBox::Yes : askToSaveStatement();
        if (answer == QMessageBox::Cancel
            || (answer == QMessageBox::Yes && !runGuarded([this] { saveStatementToData(); }))) {
            event->ignore();
            return;
        }
    }
    if (runGuarded([this] { FormClose(); })) {
        event->accept();
        if (m_statementWindow)
            m_statementWindow->close();
    } else {
        event->ignore();
    }
}

void TForm1::closeFromOutside()
{
    m_closingFromOutside = true;
    close();
    m_closingFromOutside = false;
}

StatementModel *TForm1::statement()
{
    if (!m_statement)
        m_statement = new StatementModel(this);
    return m_statement;
}

StatementWindow *TForm1::statementWindow()
{
    if (!m_statementWindow)
        m_statementWindow = new StatementWindow(
            statement(), [this] { return statementDate(); }, this);
    return m_statementWindow;
}

QString TForm1::statementDate() const
{
    return m_currentDateText.isEmpty() ? shortDateText(Clock::now().date(), QLocale())
                                       : m_currentDateText;
}

void TForm1::saveStatementToData()
{
    const QString date = statementDate();
    writeFileAtomically(statementPath(StatementWindow::Format::Excel, date),
        statementBytes(*m_statement, StatementWindow::Format::Excel, date));
    m_statement->markSaved();
}

void TForm1::updateAddToStatement()
{
    const auto *calculator = qobject_cast<const CalculatorPage *>(PageControl1->currentWidget());
    const bool enabled = calculator && calculator->shownCalculation();
    AddToStatementButton->setEnabled(enabled);
    AddToStatementItem->setEnabled(enabled);
}

void TForm1::AddToStatementClick()
{
    const auto *calculator = qobject_cast<const CalculatorPage *>(PageControl1->currentWidget());
    const Calculation *calculation = calculator ? calculator->shownCalculation() : nullptr;
    if (!calculation)
        return;
    statement()->addPosition(*calculation);
    m_log.append(u"Добавлено в ведомость: "_s + calculation->work);
}

void TForm1::StatementClick()
{
    StatementWindow *window = statementWindow();
    window->show();
    window->raise();
    window->activateWindow();
    window->positionsView->setFocus(Qt::OtherFocusReason);
}

QString TForm1::closingLine() const
{
    return u"Текущая история расчетов сохранена. Дата "_s + m_currentDateText
        + u" время сохранения: "_s + m_currentTimeText;
}

void TForm1::FormClose()
{
    m_log.append(closingLine());
    writeLogFile(closingLogPath(), logFileBytes(m_log.text()));
    m_historySaved = true;
}

bool TForm1::commitData()
{
    // The desktop session asks for the data: a changed statement goes to data/ as Excel, and
    // the history is saved as it stands, without a closing line (a checkpoint may go on; the end
    // of the session closes the window, which appends the closing line and saves again). Each
    // is tried whatever became of the other.
    const bool statementSaved = !m_statement || !m_statement->hasUnsavedChanges()
        || runGuarded([this] { saveStatementToData(); });
    const bool historySaved
        = runGuarded([this] { writeLogFile(closingLogPath(), logFileBytes(m_log.text())); });
    return statementSaved && historySaved;
}

void TForm1::saveHistoryAtExit() noexcept
{
    // The program is ending without a close (its display is gone): the history goes to its file
    // with the closing line, and nothing on screen is touched.
    if (m_historySaved)
        return;
    try {
        if (m_statement && m_statement->hasUnsavedChanges())
            saveStatementToData();
    } catch (...) {
        // The history below is still worth saving.
    }
    try {
        writeLogFile(
            closingLogPath(), logFileBytes(m_log.text() + closingLine() + QStringLiteral("\r\n")));
        m_historySaved = true;
    } catch (...) {
        // Nobody is left to tell.
    }
}

void TForm1::ToolButton4Click()
{
    // One save uses one date throughout: the clock only ticks between events.
    const QString date = m_currentDateText;
    m_log.append(u"Сохранение по запросу.История расчетов сохранена. Дата "_s + date
        + u" время сохранения: "_s + m_currentTimeText);
    writeLogFile(datedLogPath(date), logFileBytes(m_log.text()));
    m_log.append(u"Файл создан и сохранен в папке "_s + datedLogPath(date));
    m_log.append(u"Узнаете об обновлении на сайте "_s + siteAddress());
}

void TForm1::routeSelected(RouteCause cause)
{
    const int index = TreeView1->selectedIndex();
    if (index < 0)
        return;
    StatusPanel0->setText(u"Текущий расчет: "_s + nodeText(index));
    routeNode(index, cause, decimalSeparator(), *this);
    if (cause == RouteCause::Click)
        m_log.append(selectionLine(index));
}

void TForm1::TreeView1Change()
{
    routeSelected(RouteCause::SelectionChange);
}

void TForm1::TreeView1Click()
{
    routeSelected(RouteCause::Click);
}

void TForm1::step(int delta)
{
    const int index = TreeView1->selectedIndex();
    if (index < 0)
        return;
    const int target = stepTarget(index, delta);
    if (target != index)
        TreeView1->selectIndex(target); // runs TreeView1Change before going on
    TreeView1->setFocus(Qt::OtherFocusReason);
    m_log.append(moveLine(TreeView1->selectedIndex()));
}

void TForm1::ToolButton8Click()
{
    step(-1);
}

void TForm1::ToolButton9Click()
{
    step(+1);
}

void TForm1::ToolButton1Click()
{
    showPage(Page::Home);
}

void TForm1::N4Click()
{
    showPage(Page::Home);
    setAboutNoteVisible(true);
}

void TForm1::showPage(Page page)
{
    PageControl1->setCurrentWidget(this->page(page));
}

void TForm1::setSectionName(const QString &name)
{
    page<SectionPage>()->Label76->setText(name);
}

void TForm1::setThickness(const QString &text)
{
    page<MasonryPage>()->Edit3->setText(text);
}

void TForm1::setAboutNoteVisible(bool visible)
{
    m_home->Memo1->setVisible(visible);
}
