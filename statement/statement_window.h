// The statement window («Ведомость материалов»): the positions in a table (name and count
// edited in place), the totals by material under it, and the exports: Excel, CSV, PDF and
// print with preview. Del or the context menu deletes positions; Ctrl+Z and Ctrl+Y undo and
// redo every change. One window, not modal, built the first time it is opened.
#pragma once

#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QPushButton;
class QTableView;
class StatementModel;
class TotalsModel;

class StatementWindow : public QWidget {
    Q_OBJECT
public:
    enum class Format { Excel, Csv, Pdf };

    // `date` gives the day's short date text for titles and proposed file names.
    StatementWindow(
        StatementModel *model, std::function<QString()> date, QWidget *parent = nullptr);

    // The name a save dialog proposes: data/Ведомость <date>.<extension>.
    QString proposedPath(Format format) const;
    // Writes the statement to the path atomically; throws on failure (the file stays as it was).
    void exportTo(Format format, const QString &path);
    // Asks where, then exports; a failure shows the error box.
    void exportWithDialog(Format format);
    void print(); // the print preview dialog

    QTableView *positionsView;
    QTableView *totalsView;
    QAction *deleteAction, *undoAction, *redoAction;
    QPushButton *excelButton, *csvButton, *pdfButton, *printButton, *deleteButton;

private:
    void deleteSelected();
    void updateButtons();

    StatementModel *m_model;
    TotalsModel *m_totals;
    std::function<QString()> m_date;
    QLabel *m_empty;
    bool m_fitPending = false;
};

// Where a statement of the day is proposed to go: data/Ведомость <date>.<extension>.
QString statementPath(StatementWindow::Format format, const QString &date);

// The bytes of the statement in the format, as written to its file.
QByteArray statementBytes(
    const StatementModel &model, StatementWindow::Format format, const QString &date);
