// The statement window: views over the statement's models, the undo actions and the exports.
#include "statement/statement_window.h"

#include "app/error_report.h"
#include "log/log_file.h"
#include "statement/export_module.h"
#include "statement/statement_model.h"
#include "statement/statement_print.h"
#include "statement/statement_sheet.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QByteArray statementBytes(
    const StatementModel &model, StatementWindow::Format format, const QString &date)
{
    switch (format) {
    case StatementWindow::Format::Excel: {
        QString error;
        const QByteArray bytes = statementExports().xlsx(model.statement(), date, &error);
        if (!error.isEmpty())
            throw AppError(error);
        return bytes;
    }
    case StatementWindow::Format::Csv:
        return statementCsv(model.statement(), date);
    case StatementWindow::Format::Pdf:
        return statementPdf(model.statement(), date);
    }
    return {};
}

namespace {
QTableView *makeTable(const QString &name)
{
    auto *view = new QTableView;
    view->setAccessibleName(name);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    view->setTabKeyNavigation(false); // Tab leaves the table for the next control
    return view;
}

QPushButton *makeButton(const QString &text, const QString &name)
{
    auto *button = new QPushButton(text);
    button->setObjectName(name);
    button->setAccessibleName(QString(text).remove(u'&'));
    return button;
}
} // namespace

StatementWindow::StatementWindow(
    StatementModel *model, std::function<QString()> date, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_model(model)
    , m_totals(new TotalsModel(model, this))
    , m_date(std::move(date))
{
    setWindowTitle(u"Ведомость материалов"_s);
    setObjectName(u"StatementWindow"_s);
    resize(1100, 620);

    positionsView = makeTable(u"Позиции ведомости"_s);
    positionsView->setObjectName(u"PositionsView"_s);
    positionsView->setModel(model);
    positionsView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    positionsView->horizontalHeader()->setStretchLastSection(false);
    positionsView->setContextMenuPolicy(Qt::CustomContextMenu);

    totalsView = makeTable(u"Итого по материалам"_s);
    totalsView->setObjectName(u"TotalsView"_s);
    totalsView->setModel(m_totals);
    totalsView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    totalsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    totalsView->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    m_empty = new QLabel(u"Ведомость пуста. Выполните расчет и нажмите «В ведомость»."_s);
    m_empty->setObjectName(u"EmptyNote"_s);

    deleteAction = new QAction(u"&Удалить позицию"_s, this);
    deleteAction->setObjectName(u"DeleteAction"_s);
    deleteAction->setShortcut(QKeySequence::Delete);
    deleteAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    positionsView->addAction(deleteAction);
    connect(deleteAction, &QAction::triggered, this, guarded([this] { deleteSelected(); }));

    undoAction = model->undoStack()->createUndoAction(this, u"&Отменить"_s);
    undoAction->setObjectName(u"UndoAction"_s);
    undoAction->setShortcut(QKeySequence::Undo);
    undoAction->setShortcutContext(Qt::WindowShortcut);
    redoAction = model->undoStack()->createRedoAction(this, u"&Повторить"_s);
    redoAction->setObjectName(u"RedoAction"_s);
    // The platform's redo keys, and both common ones whichever it has.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &k : { QKeySequence(u"Ctrl+Y"_s), QKeySequence(u"Ctrl+Shift+Z"_s) }) {
        if (!redoKeys.contains(k))
            redoKeys << k;
    }
    redoAction->setShortcuts(redoKeys);
    redoAction->setShortcutContext(Qt::WindowShortcut);
    addAction(undoAction);
    addAction(redoAction);

    connect(positionsView, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(deleteAction);
        menu.addSeparator();
        menu.addAction(undoAction);
        menu.addAction(redoAction);
        menu.exec(positionsView->viewport()->mapToGlobal(at));
    });

    excelButton = makeButton(u"&Excel…"_s, u"ExcelButton"_s);
    csvButton = makeButton(u"&CSV…"_s, u"CsvButton"_s);
    pdfButton = makeButton(u"P&DF…"_s, u"PdfButton"_s);
    printButton = makeButton(u"&Печать…"_s, u"PrintButton"_s);
    deleteButton = makeButton(u"&Удалить"_s, u"DeleteButton"_s);
    excelButton->setToolTip(u"Сохранить ведомость в книгу Excel (.xlsx)"_s);
    csvButton->setToolTip(u"Сохранить ведомость в файл CSV для электронных таблиц"_s);
    pdfButton->setToolTip(u"Сохранить ведомость в файл PDF"_s);
    printButton->setToolTip(u"Просмотреть и напечатать ведомость"_s);
    deleteButton->setToolTip(u"Удалить выбранные позиции (Del)"_s);
    connect(excelButton, &QPushButton::clicked, this,
        guarded([this] { exportWithDialog(Format::Excel); }));
    connect(
        csvButton, &QPushButton::clicked, this, guarded([this] { exportWithDialog(Format::Csv); }));
    connect(
        pdfButton, &QPushButton::clicked, this, guarded([this] { exportWithDialog(Format::Pdf); }));
    connect(printButton, &QPushButton::clicked, this, guarded([this] { print(); }));
    connect(deleteButton, &QPushButton::clicked, this, guarded([this] { deleteSelected(); }));

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : { excelButton, csvButton, pdfButton, printButton })
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(deleteButton);

    auto *positionsLabel = new QLabel(u"По&зиции:"_s);
    positionsLabel->setBuddy(positionsView);
    auto *totalsLabel = new QLabel(u"&Итого по материалам:"_s);
    totalsLabel->setBuddy(totalsView);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(positionsLabel);
    layout->addWidget(m_empty);
    layout->addWidget(positionsView, 3);
    layout->addWidget(totalsLabel);
    layout->addWidget(totalsView, 2);

    connect(model, &StatementModel::statementChanged, this, &StatementWindow::updateButtons);
    // The columns fit their texts once the event loop is back: one fitting for many changes.
    const auto fitColumns = [this] {
        if (m_fitPending)
            return;
        m_fitPending = true;
        QTimer::singleShot(0, this, [this] {
            m_fitPending = false;
            positionsView->resizeColumnsToContents();
        });
    };
    connect(model, &QAbstractItemModel::modelReset, this, fitColumns);
    connect(model, &QAbstractItemModel::rowsInserted, this,
        [fitColumns](const QModelIndex &, int first) {
            if (first < 50) // a few rows tell the widths; a long statement keeps them
                fitColumns();
        });
    connect(positionsView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &StatementWindow::updateButtons);
    positionsView->resizeColumnsToContents();
    updateButtons();
}

void StatementWindow::updateButtons()
{
    const bool any = m_model->rowCount() > 0;
    m_empty->setVisible(!any);
    for (QPushButton *b : { excelButton, csvButton, pdfButton, printButton })
        b->setEnabled(any);
    const bool selected = positionsView->selectionModel()->hasSelection();
    deleteButton->setEnabled(selected);
    deleteAction->setEnabled(selected);
}

void StatementWindow::deleteSelected()
{
    QList<int> rows;
    for (const QModelIndex &i : positionsView->selectionModel()->selectedRows())
        rows << i.row();
    if (rows.isEmpty() && positionsView->currentIndex().isValid())
        rows << positionsView->currentIndex().row();
    m_model->removePositions(rows);
}

QString statementPath(StatementWindow::Format format, const QString &date)
{
    using Format = StatementWindow::Format;
    const QString extension = format == Format::Excel ? u"xlsx"_s
        : format == Format::Csv                       ? u"csv"_s
                                                      : u"pdf"_s;
    return u"data/Ведомость "_s + safeFileName(date) + u'.' + extension;
}

QString StatementWindow::proposedPath(Format format) const
{
    return statementPath(format, m_date());
}

void StatementWindow::exportTo(Format format, const QString &path)
{
    writeFileAtomically(path, statementBytes(*m_model, format, m_date()));
    m_model->markSaved();
}

void StatementWindow::exportWithDialog(Format format)
{
    const QString filter = format == Format::Excel ? u"Книга Excel (*.xlsx)"_s
        : format == Format::Csv                    ? u"CSV (*.csv)"_s
                                                   : u"PDF (*.pdf)"_s;
    // Qt's own dialog, whose texts can be given in Russian.
    QFileDialog dialog(this, u"Сохранить ведомость"_s);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QFileInfo(proposedPath(format)).suffix());
    dialog.setLabelText(QFileDialog::LookIn, u"Папка:"_s);
    dialog.setLabelText(QFileDialog::FileName, u"Имя файла:"_s);
    dialog.setLabelText(QFileDialog::FileType, u"Тип файла:"_s);
    dialog.setLabelText(QFileDialog::Accept, u"&Сохранить"_s);
    dialog.setLabelText(QFileDialog::Reject, u"Отмена"_s);
    dialog.selectFile(QDir::current().absoluteFilePath(proposedPath(format)));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportTo(format, dialog.selectedFiles().constFirst());
}

void StatementWindow::print()
{
    statementExports().preview(this, m_model->statement(), m_date());
}
