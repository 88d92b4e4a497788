// The seventeen nodes of the section tree, in depth-first order (a parent before its children).
#pragma once

#include <array>

inline constexpr int kNodeCount = 17;
inline constexpr int kFloorsNode = 12; // keeps the closed book when selected

struct SectionNode {
    const char16_t *text;
    int parent; // index of the parent node, -1 at the top level
};

// Nodes 4 and 5 carry two blanks before the bracket.
inline constexpr std::array<SectionNode, kNodeCount> kSectionNodes { {
    { u"Главная страница", -1 },
    { u"Конструкции из кирпича", -1 },
    { u"Кирпичная кладка 1,0 кирпич (240 мм.)", 1 },
    { u"Кирпичная кладка 1,5 кирпича (360 мм.)", 1 },
    { u"Кирпичная кладка 2,0 кирпича  (480 мм.)", 1 },
    { u"Кирпичная кладка 2,5 кирпича  (600 мм.)", 1 },
    { u"Конструкции монолитные", -1 },
    { u"Фундаменты под здания и сооружения", 6 },
    { u"Конструкции из дерева", -1 },
    { u"Огнезащита", 8 },
    { u"Конструкции из металла", -1 },
    { u"Окраска поверхности (сурик)", 10 },
    { u"Полы", -1 },
    { u"Устройство подстилающих слоев", 12 },
    { u"Благоустройство", -1 },
    { u"Посев многолетних трав", 14 },
    { u"О программе", -1 },
} };
