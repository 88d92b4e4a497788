// The section tree's seventeen nodes, in depth-first order (a parent before its children), each
// with where it leads: the page it makes current and the side effect on the window.
#pragma once

#include <array>

// The pages of the page area; Count is none, it counts them.
enum class Page { Home, Masonry, Foundation, Sowing, Painting, Section, Underlayer, Count };
inline constexpr int kPageCount = static_cast<int>(Page::Count);

enum class SideEffect {
    None,
    HideNote, // hide the about note of the home page
    ShowNote, // show it
    ShowNoteOnClick, // show it when the route comes from a click on the tree, else nothing
    SectionName, // the section page names the node
    Thickness, // the masonry page's thickness field receives the node's thickness
};

// The nodes by name; their values are the rows of the table below.
enum SectionNodeId : int {
    kHomeNode,
    kBrickSectionNode,
    kMasonry240Node,
    kMasonry360Node,
    kMasonry480Node,
    kMasonry600Node,
    kMonolithicSectionNode,
    kFoundationNode,
    kTimberSectionNode,
    kFireProtectionNode,
    kMetalSectionNode,
    kPaintingNode,
    kFloorsNode, // keeps the closed book when selected
    kUnderlayerNode,
    kLandscapingSectionNode,
    kSowingNode,
    kAboutNode,
    kNodeCount
};

struct SectionNode {
    const char16_t *text;
    int parent; // the parent node, -1 at the top level
    bool changesPage; // false: the page stays as it is
    Page page;
    SideEffect effect;
    const char16_t *thickness = nullptr; // with a comma; written with the regional separator
};

// Nodes 4 and 5 carry two blanks before the bracket.
inline constexpr std::array<SectionNode, kNodeCount> kSectionNodes { {
    { u"Главная страница", -1, true, Page::Home, SideEffect::HideNote },
    { u"Конструкции из кирпича", -1, true, Page::Section, SideEffect::SectionName },
    { u"Кирпичная кладка 1,0 кирпич (240 мм.)", kBrickSectionNode, true, Page::Masonry,
        SideEffect::Thickness, u"0,24" },
    { u"Кирпичная кладка 1,5 кирпича (360 мм.)", kBrickSectionNode, true, Page::Masonry,
        SideEffect::Thickness, u"0,36" },
    { u"Кирпичная кладка 2,0 кирпича  (480 мм.)", kBrickSectionNode, true, Page::Masonry,
        SideEffect::Thickness, u"0,48" },
    { u"Кирпичная кладка 2,5 кирпича  (600 мм.)", kBrickSectionNode, true, Page::Masonry,
        SideEffect::Thickness, u"0,6" },
    { u"Конструкции монолитные", -1, true, Page::Section, SideEffect::SectionName },
    { u"Фундаменты под здания и сооружения", kMonolithicSectionNode, true, Page::Foundation,
        SideEffect::ShowNote },
    { u"Конструкции из дерева", -1, true, Page::Section, SideEffect::SectionName },
    // Fire protection opens no page: the page shown stays.
    { u"Огнезащита", kTimberSectionNode, false, Page::Home, SideEffect::None },
    { u"Конструкции из металла", -1, true, Page::Section, SideEffect::SectionName },
    { u"Окраска поверхности (сурик)", kMetalSectionNode, true, Page::Painting,
        SideEffect::ShowNote },
    { u"Полы", -1, true, Page::Section, SideEffect::SectionName },
    { u"Устройство подстилающих слоев", kFloorsNode, true, Page::Underlayer,
        SideEffect::ShowNoteOnClick },
    { u"Благоустройство", -1, true, Page::Section, SideEffect::SectionName },
    { u"Посев многолетних трав", kLandscapingSectionNode, true, Page::Sowing,
        SideEffect::ShowNote },
    { u"О программе", -1, true, Page::Home, SideEffect::ShowNote },
} };
