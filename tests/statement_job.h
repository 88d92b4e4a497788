// A small job built from real calculations of every calculator, as the statement tests use it:
// two identical-kind walls (the second counted three times), four column foundations, a painted
// surface, a concrete floor underlayer and a hydroseeded lawn.
#pragma once

#include "calc/foundation.h"
#include "calc/masonry.h"
#include "calc/painting.h"
#include "calc/sowing.h"
#include "calc/underlayer.h"
#include "navigation/routing.h"
#include "navigation/section_nodes.h"
#include "statement/statement.h"

inline Calculation masonryJob()
{
    MasonryInput in { 10, 3, 2, 1.5L, 1, 2.1L, 0.36L };
    const MasonryResult r = computeMasonry(in, masonryVariantForNode(kMasonry360Node));
    return masonryCalculation(nodeText(kMasonry360Node),
        { QStringLiteral("10"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1,5"),
            QStringLiteral("1"), QStringLiteral("2,1"), QStringLiteral("0,36") },
        r, u',');
}

inline Calculation foundationJob()
{
    const FoundationResult r = computeFoundation(2, 1.5L, 0.8L);
    return foundationCalculation(nodeText(kFoundationNode),
        { QStringLiteral("2"), QStringLiteral("1,5"), QStringLiteral("0,8") },
        QStringLiteral("Объмом до 3 м3, опалубка"), r, u',');
}

inline Calculation paintingJob()
{
    const PaintingResult r = computePainting(4, 5, 0);
    return paintingCalculation(nodeText(kPaintingNode),
        { QStringLiteral("4"), QStringLiteral("5") }, QStringLiteral("Окраска в один слой"), r,
        u',');
}

inline Calculation underlayerJob()
{
    const int concrete = 8;
    return underlayerCalculation(nodeText(kUnderlayerNode), concrete, QStringLiteral("2"), 2,
        computeUnderlayer(concrete, 2), u',');
}

inline Calculation sowingJob()
{
    const SowingResult r = computeSowing(10, 10, 2);
    return sowingCalculation(nodeText(kSowingNode), { QStringLiteral("10"), QStringLiteral("10") },
        QStringLiteral("Посев трав гидропосевом, 1000 м2"), r, u',');
}

inline Statement statementJob()
{
    Statement s;
    s.insert(0, { masonryJob(), QStringLiteral("Стена по оси А"), 1 });
    s.insert(1, { masonryJob(), QStringLiteral("Стены; \"типовые\""), 3 });
    s.insert(2, { foundationJob(), QStringLiteral("Фундаменты под колонны К1"), 4 });
    s.insert(3, { paintingJob(), QStringLiteral("Ворота"), 1 });
    s.insert(4, { underlayerJob(), QStringLiteral("Подготовка под пол"), 1 });
    s.insert(5, { sowingJob(), QStringLiteral("Газон"), 1 });
    return s;
}
