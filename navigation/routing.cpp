// The routing step: page first, then the node's side effect.
#include "navigation/routing.h"

using namespace Qt::StringLiterals;

QString selectionLine(int nodeIndex)
{
    return u"Выбрано:  "_s + nodeText(nodeIndex);
}

QString moveLine(int nodeIndex)
{
    return u"Перемещение: "_s + nodeText(nodeIndex);
}

int stepTarget(int nodeIndex, int delta)
{
    const int target = nodeIndex + delta;
    return target >= 0 && target < kNodeCount ? target : nodeIndex;
}

QString nodeText(int nodeIndex)
{
    return QString::fromUtf16(kSectionNodes.at(nodeIndex).text);
}

QString thicknessText(const SectionNode &node, QChar decimalSeparator)
{
    QString text = QString::fromUtf16(node.thickness);
    text.replace(u',', decimalSeparator);
    return text;
}

void routeNode(int nodeIndex, RouteCause cause, QChar decimalSeparator, RoutingTarget &target)
{
    const SectionNode &route = kSectionNodes.at(nodeIndex);
    if (route.changesPage)
        target.showPage(route.page);
    switch (route.effect) {
    case SideEffect::None:
        break;
    case SideEffect::HideNote:
        target.setAboutNoteVisible(false);
        break;
    case SideEffect::ShowNote:
        target.setAboutNoteVisible(true);
        break;
    case SideEffect::ShowNoteOnClick:
        if (cause == RouteCause::Click)
            target.setAboutNoteVisible(true);
        break;
    case SideEffect::SectionName:
        target.setSectionName(nodeText(nodeIndex));
        break;
    case SideEffect::Thickness:
        target.setThickness(thicknessText(route, decimalSeparator));
        break;
    }
}
