// The section tree: seventeen fixed nodes, single selection, books as node images.
//
// The selected node is the tree's selection, not Qt's current item: Qt moves its current item
// to the first row when the tree first gets the focus, which selects nothing here. A click on
// empty space keeps the selection (Qt's view would clear it), and a click that would deselect
// the selected node leaves it selected.
#pragma once

#include <QIcon>
#include <QTreeWidget>

class SectionTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit SectionTree(QWidget *parent = nullptr);

    int selectedIndex() const; // -1 while no node is selected
    QTreeWidgetItem *node(int index) const { return m_nodes.at(index); }

    // Selects the node (a selection change, so selectionChanged runs before this returns) and
    // opens the branch that holds it.
    void selectIndex(int index);

signals:
    // A left click in the tree (pressed and released inside it), after the tree handled it.
    void clicked();
    // The selected node changed, whatever the cause.
    void selectedNodeChanged();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex &index, const QEvent *event) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void drawBranches(
        QPainter *painter, const QRect &rect, const QModelIndex &index) const override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void onSelectionChanged();
    // The selection highlight shows only while the tree has the keyboard focus; the open book
    // marks the selected node at all times.
    void updateHighlight();

    QList<QTreeWidgetItem *> m_nodes;
    QIcon m_closedBook;
    QIcon m_openBook;
    int m_previous = -1;
    bool m_pressInside = false;
    bool m_secondClickOfDouble = false;
};
