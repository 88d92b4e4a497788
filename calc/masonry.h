// Brick masonry: wall volume less openings, and the bricks, mortar and wooden plugs it needs.
#pragma once

#include "calc/number_rules.h"

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
    { 2, 400, 0.222L, 0.001L }, // 1,0 brick, 240 mm
    { 3, 395, 0.235L, 0.001L }, // 1,5 bricks, 360 mm
    { 4, 394, 0.236L, 0.001L }, // 2,0 bricks, 480 mm
    { 5, 392, 0.246L, 0.001L }, // 2,5 bricks, 600 mm
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
