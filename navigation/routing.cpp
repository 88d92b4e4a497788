// The routing step: page first, then the node's side effect.
#include "navigation/routing.h"

QString nodeText(int nodeIndex)
{
    return QString::fromUtf16(kSectionNodes.at(nodeIndex).text);
}

QString thicknessText(const Route &route, QChar decimalSeparator)
{
    QString text = QString::fromUtf16(route.thickness);
    text.replace(u',', decimalSeparator);
    return text;
}

void routeNode(int nodeIndex, RouteCause cause, QChar decimalSeparator, RoutingTarget &target)
{
    const Route &route = kRoutes.at(nodeIndex);
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
