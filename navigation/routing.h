// The routing of a selected node: its page, then its side effect; and the log lines of the
// tree and the Back/Forward steps.
#pragma once

#include <QString>

#include "navigation/section_nodes.h"

// The operations a route performs on the window.
class RoutingTarget {
public:
    virtual ~RoutingTarget() = default;
    virtual void showPage(Page page) = 0;
    virtual void setSectionName(const QString &name) = 0;
    virtual void setThickness(const QString &text) = 0;
    virtual void setAboutNoteVisible(bool visible) = 0;
};

enum class RouteCause { SelectionChange, Click };

// The routing step for the selected node.
void routeNode(int nodeIndex, RouteCause cause, QChar decimalSeparator, RoutingTarget &target);

// The thickness text of a masonry node with the given decimal separator ("0,24" or "0.24").
QString thicknessText(const SectionNode &node, QChar decimalSeparator);

QString nodeText(int nodeIndex);

// The log line of a node chosen by a click: "Выбрано:  " (two blanks) and the node's text.
QString selectionLine(int nodeIndex);
// The log line of a Back or Forward step: "Перемещение: " and the node then selected.
QString moveLine(int nodeIndex);
// Where Back (-1) or Forward (+1) leads from the node: the neighbour in table order, or the
// node itself at either end.
int stepTarget(int nodeIndex, int delta);
