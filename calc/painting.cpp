// Painting formulas: each quantity is coefficient x area / 100, stored once.
#include "calc/painting.h"

PaintingResult computePainting(Extended length, Extended width, int coats)
{
    const PaintingCoefficients &k = kPaintingCoefficients.at(coats);
    const auto per100 = [](Extended coefficient, double area) {
        return storeDouble(coefficient * area / kPaintingNormArea);
    };
    PaintingResult r {};
    r.area = storeDouble(length * width);
    r.oilForOiling = per100(k.oilForOiling, r.area);
    r.groundPaints = storeDouble(k.paintsShareOfOil * r.oilForOiling);
    r.paintComposition = per100(k.paintComposition, r.area);
    r.redLead = per100(k.redLead, r.area);
    r.oilForPainting = per100(k.oilForPainting, r.area);
    r.rags = per100(k.rags, r.area);
    return r;
}
