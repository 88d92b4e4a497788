// The node table is header data; this unit checks its shape once, at compile time.
#include "navigation/section_nodes.h"

static_assert(
    [] {
        for (int i = 0; i < kNodeCount; ++i) {
            const int parent = kSectionNodes[i].parent;
            if (parent >= i || (parent >= 0 && kSectionNodes[parent].parent != -1))
                return false;
        }
        return true;
    }(),
    "a parent comes before its children and lies at the top level");
