// The node table is header data; this unit checks its shape once, at compile time.
#include "navigation/section_nodes.h"

static_assert(
    [] {
        for (int i = 0; i < kNodeCount; ++i) {
            const SectionNode &n = kSectionNodes[i];
            if (!n.text) // a row missing from the table
                return false;
            if (n.parent >= i || (n.parent >= 0 && kSectionNodes[n.parent].parent != -1))
                return false;
            if ((n.effect == SideEffect::Thickness) != (n.thickness != nullptr))
                return false;
        }
        return true;
    }(),
    "every node has a row; a parent comes before its children and lies at the top level; "
    "exactly the thickness routes carry a thickness");
