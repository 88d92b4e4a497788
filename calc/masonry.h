// Brick masonry: wall volume less openings, and the bricks, mortar and wooden plugs it needs.
#pragma once

#include "calc/calculation.h"
#include "calc/number_rules.h"
#include "navigation/section_nodes.h"

#include <array>
#include <optional>

// Consumption per cubic metre of masonry for one wall thickness, as in the handbook of material
// consumption norms for brick structures.
struct MasonryVariant {
    int nodeIndex; // the masonry node of the section tree
    Extended bricksPerM3;
    Extended mortarPerM3;
    Extended plugsPerM3;
};

inline constexpr std::array<MasonryVariant, 4> kMasonryVariants { {
    { kMasonry240Node, 400, 0.222L, 0.001L }, // 1,0 brick, 240 mm
    { kMasonry360Node, 395, 0.235L, 0.001L }, // 1,5 bricks, 360 mm
    { kMasonry480Node, 394, 0.236L, 0.001L }, // 2,0 bricks, 480 mm
    { kMasonry600Node, 392, 0.246L, 0.001L }, // 2,5 bricks, 600 mm
} };

// The seven inputs as ReadNumber returned them.
struct MasonryInput {
    Extended wallLength;
    Extended wallHeight;
    Extended windowLength;
    Extended windowHeight;
    Extended doorLength;
    Extended doorHeight;
    Extended thickness;
};

// Every named value, stored as a double in the order computed.
struct MasonryResult {
    double wallArea;
    double windowArea;
    double doorArea;
    double netArea;
    double volume;
    double bricks;
    double mortar;
    double plugs;
};

// `variant` is empty when no masonry node is selected: the materials are then 0.
// Throws EOverflow when a value exceeds the double range as it is stored.
MasonryResult computeMasonry(const MasonryInput &in, const MasonryVariant *variant);

// The variant of the selected node, or nullptr when the node is not a masonry node.
const MasonryVariant *masonryVariantForNode(int nodeIndex);

// Captions of the seven inputs, in the order the page reads them (Edit1, Edit2, Edit4, Edit5,
// Edit6, Edit7, Edit3), and of the four result rows.
inline constexpr std::array<const char16_t *, 7> kMasonryInputCaptions {
    u"Длина стены по периметру, м.", u"Высота стены по периметру, м.",
    u"Общая длина оконных проемов, м.", u"Общая высота оконных проемов, м.",
    u"Общая длина дверных проемов, м.", u"Общая высота дверных проемов, м.", u"Толщина кладки, м."
};
inline constexpr std::array<const char16_t *, 4> kMasonryResultCaptions {
    u"Объем кирпичной кладки, м3.", u"Кирпич глиняный обыкновенный, шт.", u"Раствор, м3",
    u"Пробки деревянные, м3"
};

// The record of a masonry calculation: `texts` are the field texts in kMasonryInputCaptions order.
Calculation masonryCalculation(const QString &work, const std::array<QString, 7> &texts,
    const MasonryResult &r, QChar separator);
