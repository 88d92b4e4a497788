// The seventeen nodes of the section tree, in depth-first order (a parent before its children).
#pragma once

#include <array>

inline constexpr int kNodeCount = 17;

// The nodes by name, as indices into the table below.
inline constexpr int kHomeNode = 0;
inline constexpr int kBrickSectionNode = 1;
inline constexpr int kMasonry240Node = 2;
inline constexpr int kMasonry360Node = 3;
inline constexpr int kMasonry480Node = 4;
inline constexpr int kMasonry600Node = 5;
inline constexpr int kMonolithicSectionNode = 6;
inline constexpr int kFoundationNode = 7;
inline constexpr int kTimberSectionNode = 8;
inline constexpr int kFireProtectionNode = 9;
inline constexpr int kMetalSectionNode = 10;
inline constexpr int kPaintingNode = 11;
inline constexpr int kFloorsNode = 12; // keeps the closed book when selected
inline constexpr int kUnderlayerNode = 13;
inline constexpr int kLandscapingSectionNode = 14;
inline constexpr int kSowingNode = 15;
inline constexpr int kAboutNode = 16;

struct SectionNode {
    const char16_t *text;
    int parent; // index of the parent node, -1 at the top level
};

// Nodes 4 and 5 carry two blanks before the bracket.
inline constexpr std::array<SectionNode, kNodeCount> kSectionNodes { {
    { u"Главная страница", -1 },
    { u"Конструкции из кирпича", -1 },
    { u"Кирпичная кладка 1,0 кирпич (240 мм.)", kBrickSectionNode },
    { u"Кирпичная кладка 1,5 кирпича (360 мм.)", kBrickSectionNode },
    { u"Кирпичная кладка 2,0 кирпича  (480 мм.)", kBrickSectionNode },
    { u"Кирпичная кладка 2,5 кирпича  (600 мм.)", kBrickSectionNode },
    { u"Конструкции монолитные", -1 },
    { u"Фундаменты под здания и сооружения", kMonolithicSectionNode },
    { u"Конструкции из дерева", -1 },
    { u"Огнезащита", kTimberSectionNode },
    { u"Конструкции из металла", -1 },
    { u"Окраска поверхности (сурик)", kMetalSectionNode },
    { u"Полы", -1 },
    { u"Устройство подстилающих слоев", kFloorsNode },
    { u"Благоустройство", -1 },
    { u"Посев многолетних трав", kLandscapingSectionNode },
    { u"О программе", -1 },
} };
