// Sowing formulas.
#include "calc/sowing.h"

SowingResult computeSowing(Extended length, Extended width, int work)
{
    SowingResult r {};
    r.area = storeDouble(length * width);
    for (int i = 0; i < kSowingMaterials; ++i)
        r.materials[i] = storeDouble(r.area * kSowingTable.at(work)[i]);
    return r;
}
