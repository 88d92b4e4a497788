// The log area: a read-only plain text box with a Russian context menu.
#include "app/log_view.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>

using namespace Qt::StringLiterals;

LogView::LogView(const QStringList &lines, QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Read-only text is selectable by the mouse only; the keyboard selects too, so Shift with the
    // arrows, Page Up/Down, Home and End work as in any text box.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    setPlainText(lines.join(u'\n'));
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void LogView::appendLine(const QString &line)
{
    appendPlainText(line);
    // The newest line comes into view even when the user had scrolled back.
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void LogView::contextMenuEvent(QContextMenuEvent *event)
{
    // The stock menu would show untranslated Qt texts; the log's menu has the two commands a
    // read-only text offers.
    QMenu menu(this);
    QAction *copy = menu.addAction(u"&Копировать"_s, QKeySequence::Copy, this, &LogView::copy);
    copy->setObjectName(u"copyAction"_s);
    copy->setEnabled(textCursor().hasSelection());
    QAction *all
        = menu.addAction(u"Выделить &все"_s, QKeySequence::SelectAll, this, &LogView::selectAll);
    all->setObjectName(u"selectAllAction"_s);
    all->setEnabled(!document()->isEmpty());
    menu.exec(event->globalPos());
}
