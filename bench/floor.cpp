// The floor: a bare Qt 6 Widgets program shaped like Kladomer's window and nothing else - a main
// window with a tool bar of six actions, a 17-item tree, a stack of seven pages holding about
// the same number of labels (112) and line edits (15) as ours, a read-only log and a two-panel
// status bar. Its texts are Russian phrases about as long as ours in our font, Arial 8 points (a
// Latin "Label 1" in the default font would spare the floor the text shaping and font matching
// any such window pays). Every start-up figure of the program is
// divided by this one's.
// Built twice: floor (stays open) and floor_first_frame (leaves after its first frame).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#ifdef FLOOR_FIRST_FRAME
#include "first_frame.h"
#endif

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setFont(QFont(QStringLiteral("Arial"), 8)); // the window's font, as ours
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    QToolBar *tools = window.addToolBar(QStringLiteral("tools"));
    for (const char *name : { "Exit", "Home", "Back", "Forward", "History", "About" })
        tools->addAction(QString::fromLatin1(name));

    auto *central = new QWidget;
    central->setFixedSize(650, 605);
    auto *tree = new QTreeWidget(central);
    tree->setGeometry(8, 9, 289, 529);
    tree->setHeaderHidden(true);
    QTreeWidgetItem *parent = nullptr;
    for (int i = 0; i < 17; ++i) {
        const QString text = QStringLiteral("Раздел программы номер %1").arg(i);
        if (i % 2 == 1 || !parent)
            parent = new QTreeWidgetItem(tree, QStringList { text });
        else
            new QTreeWidgetItem(parent, QStringList { text });
    }
    auto *pages = new QStackedWidget(central);
    pages->setGeometry(304, 9, 337, 537);
    const int labelsPerPage[7] = { 4, 24, 22, 22, 22, 2, 16 };
    const int editsPerPage[7] = { 0, 7, 3, 2, 2, 0, 1 };
    for (int p = 0; p < 7; ++p) {
        auto *page = new QWidget;
        for (int i = 0; i < labelsPerPage[p]; ++i)
            (new QLabel(QStringLiteral("Подпись поля номер %1, м.").arg(i), page))
                ->move(8, 8 + 20 * i);
        for (int i = 0; i < editsPerPage[p]; ++i)
            (new QLineEdit(QStringLiteral("0"), page))->move(200, 8 + 24 * i);
        pages->addWidget(page);
    }
    auto *log = new QPlainTextEdit(central);
    log->setGeometry(8, 553, 633, 49);
    log->setReadOnly(true);
    log->setPlainText(QStringLiteral("Ведется история расчетов"));
    window.setCentralWidget(central);
    auto *panel0 = new QLabel(QStringLiteral("Добро пожаловать в программу"));
    panel0->setFixedWidth(500);
    window.statusBar()->addWidget(panel0);
    window.statusBar()->addWidget(new QLabel, 1);

#ifdef FLOOR_FIRST_FRAME
    QuitAfterFirstPaint quit(&window);
#endif
    window.show();
    return app.exec();
}
