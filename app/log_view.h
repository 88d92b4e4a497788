// The log area (Memo2): the calculation log's lines in a read-only text box that wraps at its
// width and always shows its vertical scroll bar. The user can select with the mouse and the
// keyboard, copy (Ctrl+C), select all (Ctrl+A) and use the context menu; a screen reader reads
// the whole text.
#pragma once

#include <QPlainTextEdit>

class LogView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LogView(const QStringList &lines, QWidget *parent = nullptr);

    // Shows a line the log gained at its end and scrolls to it.
    void appendLine(const QString &line);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
};
