// What every node of the section tree should lead to, written out by hand from the description
// of the tree: the routing test and the window test both read their rows from here.
#pragma once

#include "navigation/section_nodes.h"

#include <QString>

#include <array>

struct NodeCase {
    const char *pageName; // the page's designer name; nullptr: the page shown stays
    Page page;
    const char16_t *sectionName; // written to the section page, or nullptr
    const char16_t *thickness; // written to the masonry thickness field, or nullptr
    int noteOnChange; // the about note after a selection change: -1 untouched, 0 hidden, 1 shown
    int noteOnClick; // and after a click
};

inline constexpr std::array<NodeCase, kNodeCount> kNodeCases { {
    { "TabSheet3", Page::Home, nullptr, nullptr, 0, 0 },
    { "TabSheet6", Page::Section, u"Конструкции из кирпича", nullptr, -1, -1 },
    { "TabSheet1", Page::Masonry, nullptr, u"0,24", -1, -1 },
    { "TabSheet1", Page::Masonry, nullptr, u"0,36", -1, -1 },
    { "TabSheet1", Page::Masonry, nullptr, u"0,48", -1, -1 },
    { "TabSheet1", Page::Masonry, nullptr, u"0,6", -1, -1 },
    { "TabSheet6", Page::Section, u"Конструкции монолитные", nullptr, -1, -1 },
    { "TabSheet2", Page::Foundation, nullptr, nullptr, 1, 1 },
    { "TabSheet6", Page::Section, u"Конструкции из дерева", nullptr, -1, -1 },
    { nullptr, Page::Home, nullptr, nullptr, -1, -1 }, // fire protection
    { "TabSheet6", Page::Section, u"Конструкции из металла", nullptr, -1, -1 },
    { "TabSheet5", Page::Painting, nullptr, nullptr, 1, 1 },
    { "TabSheet6", Page::Section, u"Полы", nullptr, -1, -1 },
    { "TabSheet7", Page::Underlayer, nullptr, nullptr, -1, 1 }, // the note only on a click
    { "TabSheet6", Page::Section, u"Благоустройство", nullptr, -1, -1 },
    { "TabSheet4", Page::Sowing, nullptr, nullptr, 1, 1 },
    { "TabSheet3", Page::Home, nullptr, nullptr, 1, 1 },
} };
