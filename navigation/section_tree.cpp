// The section tree widget: nodes, book images, auto-expand, click and selection signals.
#include "navigation/section_tree.h"

#include "navigation/section_nodes.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

using namespace Qt::StringLiterals;

SectionTree::SectionTree(QWidget *parent)
    : QTreeWidget(parent)
    , m_closedBook(loadIcon(u"book_closed"_s))
    , m_openBook(loadIcon(u"book_open"_s))
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIndentation(19);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    setFrameShape(QFrame::StyledPanel);
    setAccessibleName(u"Разделы программы"_s);

    for (int i = 0; i < kNodeCount; ++i) {
        const SectionNode &n = kSectionNodes[i];
        auto *item
            = n.parent < 0 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(m_nodes[n.parent]);
        item->setText(0, QString::fromUtf16(n.text));
        item->setIcon(0, m_closedBook);
        m_nodes.append(item);
    }
    connect(this, &QTreeWidget::itemSelectionChanged, this, &SectionTree::onSelectionChanged);
    updateHighlight();
}

void SectionTree::updateHighlight()
{
    const QPalette standard = QApplication::palette(this);
    QPalette p = palette();
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        p.setColor(group, QPalette::Highlight,
            standard.color(group, hasFocus() ? QPalette::Highlight : QPalette::Base));
        p.setColor(group, QPalette::HighlightedText,
            standard.color(group, hasFocus() ? QPalette::HighlightedText : QPalette::Text));
    }
    setPalette(p);
}

void SectionTree::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    updateHighlight();
}

void SectionTree::focusOutEvent(QFocusEvent *event)
{
    QTreeWidget::focusOutEvent(event);
    updateHighlight();
}

int SectionTree::selectedIndex() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : static_cast<int>(m_nodes.indexOf(selected.front()));
}

void SectionTree::selectIndex(int index)
{
    for (QTreeWidgetItem *p = m_nodes.at(index)->parent(); p; p = p->parent())
        p->setExpanded(true);
    setCurrentItem(m_nodes.at(index), 0, QItemSelectionModel::ClearAndSelect);
    scrollToItem(m_nodes.at(index));
}

void SectionTree::onSelectionChanged()
{
    const int now = selectedIndex();
    if (m_previous >= 0) {
        QTreeWidgetItem *old = m_nodes[m_previous];
        old->setIcon(0, m_closedBook);
        // Auto-expand: the node that loses the selection collapses, unless it holds the new one.
        const bool holdsNew = now >= 0 && m_nodes[now]->parent() == old;
        if (!holdsNew)
            old->setExpanded(false);
    }
    if (now >= 0) {
        if (now != kFloorsNode)
            m_nodes[now]->setIcon(0, m_openBook);
        m_nodes[now]->setExpanded(true);
    }
    m_previous = now;
    emit selectedNodeChanged();
}

QItemSelectionModel::SelectionFlags SectionTree::selectionCommand(
    const QModelIndex &index, const QEvent *event) const
{
    // Single selection that is never emptied by the user.
    const QItemSelectionModel::SelectionFlags flags = QTreeWidget::selectionCommand(index, event);
    if (!index.isValid()
        || flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    if (flags.testFlag(QItemSelectionModel::Clear) && !flags.testFlag(QItemSelectionModel::Select))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

void SectionTree::mousePressEvent(QMouseEvent *event)
{
    m_pressInside = event->button() == Qt::LeftButton;
    if (!indexAt(event->position().toPoint()).isValid()) {
        // Empty space: the selection stays; only the focus moves here.
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void SectionTree::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_secondClickOfDouble = true;
    if (indexAt(event->position().toPoint()).isValid())
        QTreeWidget::mouseDoubleClickEvent(event);
}

void SectionTree::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    const bool wasPressInside = m_pressInside;
    m_pressInside = false;
    if (event->button() != Qt::LeftButton)
        return;
    if (m_secondClickOfDouble) {
        m_secondClickOfDouble = false;
        return;
    }
    if (wasPressInside && viewport()->rect().contains(event->position().toPoint()))
        emit clicked();
}

bool SectionTree::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        // A node text cut off by the tree's width is shown in full while the pointer rests on it.
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid()) {
            const QRect shown = visualRect(index);
            const int needed = iconSize().width() + 8
                + viewport()->fontMetrics().horizontalAdvance(index.data().toString());
            if (shown.left() + needed > viewport()->width()) {
                QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), shown);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void SectionTree::drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const
{
    // Dotted lines join every node to its siblings and its parent, the top level included; the
    // style then draws the expand buttons over them.
    painter->save();
    painter->setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    const int step = indentation();
    QModelIndex level = index;
    int column = 0;
    for (QModelIndex i = index.parent(); i.isValid(); i = i.parent())
        ++column;
    const int midY = rect.top() + rect.height() / 2;
    for (int depth = column; depth >= 0; --depth, level = level.parent()) {
        const int x = rect.left() + depth * step + step / 2;
        const bool hasNext = level.sibling(level.row() + 1, 0).isValid();
        const bool first = !level.parent().isValid() && level.row() == 0;
        if (depth == column) {
            painter->drawLine(x, first ? midY : rect.top(), x, hasNext ? rect.bottom() : midY);
            painter->drawLine(x, midY, rect.left() + (depth + 1) * step, midY);
        } else if (hasNext) {
            painter->drawLine(x, rect.top(), x, rect.bottom());
        }
    }
    painter->restore();
    QTreeWidget::drawBranches(painter, rect, index);
}
