// Painting a surface with iron red lead in one or two coats: oiling and painting materials.
#pragma once

#include "calc/calculation.h"
#include "calc/number_rules.h"

#include <array>

// Consumption in kilograms per 100 m2 of surface, after the state material-consumption norms
// for red-lead painting of steel (one coat: 18,7 kg of paint composition, 0,1 kg of rags).
struct PaintingCoefficients {
    Extended oilForOiling;
    Extended paintsShareOfOil; // ground paints = this share of the oil for oiling
    Extended paintComposition;
    Extended redLead;
    Extended oilForPainting;
    Extended rags;
};

inline constexpr std::array<PaintingCoefficients, 2> kPaintingCoefficients { {
    { 2.8L, 0.2L, 18.7L, 2.7L, 16, 0.1L }, // one coat
    { 2.9L, 0.2L, 25.1L, 5.8L, 19.3L, 0.1L }, // two coats
} };
inline constexpr Extended kPaintingNormArea = 100; // m2 the coefficients are given for

struct PaintingResult {
    double area;
    double oilForOiling;
    double groundPaints;
    double paintComposition;
    double redLead;
    double oilForPainting;
    double rags;
};

// `coats` is 0 for one coat, 1 for two. Throws EOverflow when a value exceeds the double range.
PaintingResult computePainting(Extended length, Extended width, int coats);

inline constexpr std::array<const char16_t *, 2> kPaintingInputCaptions {
    u"Длина (или ширина) поверхности, м", u"Ширина (или высота) поверхности, м"
};
// The area row, then the oiling group and the painting group, top to bottom.
inline constexpr std::array<const char16_t *, 7> kPaintingResultCaptions {
    u"Площадь окрашиваемой поверхности, м2  -", u"Олифа, кг", u"Краски тертые, кг",
    u"Состав окрасочный, кг", u"Сурик железный тертый, кг.", u"Олифа,кг ", u"Ветошь,кг"
};

// The record: `texts` are the two sizes, `coatItem` the chosen work's caption. The area is
// shown, not logged.
Calculation paintingCalculation(const QString &work, const std::array<QString, 2> &texts,
    const QString &coatItem, const PaintingResult &r, QChar separator);
