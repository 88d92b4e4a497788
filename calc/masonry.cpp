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

Calculation masonryCalculation(const QString &work, const std::array<QString, 7> &texts,
    const MasonryResult &r, QChar separator)
{
    Calculation c = calculationOf(work, kMasonryInputCaptions, texts);
    // Openings of no area are not worth a mention.
    c.summary = QStringLiteral("стена %1 × %2 м, толщина %3 м")
                    .arg(texts[0].trimmed(), texts[1].trimmed(), texts[6].trimmed());
    if (r.windowArea != 0)
        c.summary += QStringLiteral(", окна %1 × %2 м").arg(texts[2].trimmed(), texts[3].trimmed());
    if (r.doorArea != 0)
        c.summary
            += QStringLiteral(", двери %1 × %2 м").arg(texts[4].trimmed(), texts[5].trimmed());
    c.heading = QStringList { QStringLiteral("Итоги произведенного расчета:") };
    const double values[] = { r.volume, r.bricks, r.mortar, r.plugs };
    const int precisions[] = { 4, 10, 4, 4 };
    for (int i = 0; i < 4; ++i)
        c.results.append(makeResult(
            i, QString::fromUtf16(kMasonryResultCaptions[i]), values[i], precisions[i], separator));
    return c;
}
