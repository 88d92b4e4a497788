// Sowing perennial grasses: materials per square metre of site for three kinds of work.
#pragma once

#include "calc/calculation.h"
#include "calc/number_rules.h"

#include <array>

inline constexpr int kSowingWorks = 3;
inline constexpr int kSowingMaterials = 8;

// Materials per m2 of site, in the row order of the materials group: turf, wooden pegs, grass
// seeds, topsoil, fertilisers, bitumen emulsion, latex emulsion, sawdust.
//  - By hand: seeds 0,020 kg/m2, the state norm for sowing lawn grasses by hand
//    (20 kg per 1000 m2).
//  - With machines: seeds 0,016 kg/m2, a typical working figure (a seed drill needs about a
//    fifth less seed than broadcasting).
//  - Hydroseeding: a typical working mix per m2 (seeds 0,030 kg, fertilisers 0,05 kg, bitumen
//    emulsion 0,6 l, latex emulsion 0,2 l, sawdust 0,001 m3); the work's caption quotes its norm
//    unit of 1000 m2, the page still takes the site's own area.
// No work lays turf, pegs or topsoil: those rows show 0.
inline constexpr std::array<std::array<Extended, kSowingMaterials>, kSowingWorks> kSowingTable { {
    { 0, 0, 0.020L, 0, 0, 0, 0, 0 },
    { 0, 0, 0.016L, 0, 0, 0, 0, 0 },
    { 0, 0, 0.030L, 0, 0.05L, 0.6L, 0.2L, 0.001L },
} };

struct SowingResult {
    double area;
    std::array<double, kSowingMaterials> materials;
};

// Area = length x width, stored; each quantity = area x its coefficient, stored.
SowingResult computeSowing(Extended length, Extended width, int work);

inline constexpr std::array<const char16_t *, 2> kSowingInputCaptions { u"Длина конструкции, м",
    u"Ширина конструкции, м" };
inline constexpr std::array<const char16_t *, kSowingMaterials> kSowingResultCaptions { u"Дерн, м2",
    u"Спицы  деревянные, м3", u"Семена трав, кг", u"Земля растительная, м3", u"Удобрения, кг",
    u"Эмульсия битумная, л.", u"Эмульсия латексная, л.", u"Опилки, м3" };

// The record: `texts` are the two sizes, `workItem` the chosen work's caption. The site's area
// is the work's quantity, logged in the heading.
Calculation sowingCalculation(const QString &work, const std::array<QString, 2> &texts,
    const QString &workItem, const SowingResult &r, QChar separator);
