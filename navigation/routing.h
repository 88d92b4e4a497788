// Where each tree node leads: the page it makes current and its side effect.
#pragma once

#include <QString>

#include <array>

#include "navigation/section_nodes.h"

// The pages of the page area; kPageCount of them.
enum class Page { Home, Masonry, Foundation, Sowing, Painting, Section, Underlayer };
inline constexpr int kPageCount = 7;

enum class SideEffect {
    None,
    HideNote, // hide the about note of the home page
    ShowNote, // show it
    ShowNoteOnClick, // show it when the route comes from a click on the tree, else nothing
    SectionName, // the section page names the node
    Thickness, // the masonry page's thickness field receives the row's thickness
};

struct Route {
    bool changesPage;
    Page page;
    SideEffect effect;
    const char16_t *thickness; // with a comma; written with the regional separator
};

inline constexpr std::array<Route, kNodeCount> kRoutes { {
    { true, Page::Home, SideEffect::HideNote, nullptr },
    { true, Page::Section, SideEffect::SectionName, nullptr },
    { true, Page::Masonry, SideEffect::Thickness, u"0,24" },
    { true, Page::Masonry, SideEffect::Thickness, u"0,36" },
    { true, Page::Masonry, SideEffect::Thickness, u"0,48" },
    { true, Page::Masonry, SideEffect::Thickness, u"0,6" },
    { true, Page::Section, SideEffect::SectionName, nullptr },
    { true, Page::Foundation, SideEffect::ShowNote, nullptr },
    { true, Page::Section, SideEffect::SectionName, nullptr },
    { false, Page::Home, SideEffect::None, nullptr }, // fire protection: the page stays
    { true, Page::Section, SideEffect::SectionName, nullptr },
    { true, Page::Painting, SideEffect::ShowNote, nullptr },
    { true, Page::Section, SideEffect::SectionName, nullptr },
    { true, Page::Underlayer, SideEffect::ShowNoteOnClick, nullptr },
    { true, Page::Section, SideEffect::SectionName, nullptr },
    { true, Page::Sowing, SideEffect::ShowNote, nullptr },
    { true, Page::Home, SideEffect::ShowNote, nullptr },
} };

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

// The thickness text of a masonry route with the given decimal separator ("0,24" or "0.24").
QString thicknessText(const Route &route, QChar decimalSeparator);

QString nodeText(int nodeIndex);
