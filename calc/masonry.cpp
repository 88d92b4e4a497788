// Brick masonry formulas: products of two freshly read values are rounded once, when stored.
#include "calc/masonry.h"

MasonryResult computeMasonry(const MasonryInput &in, const MasonryVariant *variant)
{
    MasonryResult r {};
    r.wallArea = storeDouble(in.wallLength * in.wallHeight);
    r.windowArea = storeDouble(in.windowLength * in.windowHeight);
    r.doorArea = storeDouble(in.doorLength * in.doorHeight);
    r.netArea = storeDouble(Extended(r.wallArea) - r.windowArea - r.doorArea);
    r.volume = storeDouble(in.thickness * r.netArea);
    if (variant) {
        r.bricks = storeDouble(r.volume * variant->bricksPerM3);
        r.mortar = storeDouble(r.volume * variant->mortarPerM3);
        r.plugs = storeDouble(r.volume * variant->plugsPerM3);
    }
    return r;
}

const MasonryVariant *masonryVariantForNode(int nodeIndex)
{
    for (const MasonryVariant &v : kMasonryVariants)
        if (v.nodeIndex == nodeIndex)
            return &v;
    return nullptr;
}
