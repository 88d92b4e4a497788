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

Calculation paintingCalculation(const QString &work, const std::array<QString, 2> &texts,
    const QString &coatItem, const PaintingResult &r, QChar separator)
{
    Calculation c = calculationOf(work, kPaintingInputCaptions, texts, coatItem);
    c.summary
        = QStringLiteral("%1 × %2 м, %3").arg(texts[0].trimmed(), texts[1].trimmed(), coatItem);
    c.heading = QStringList { QStringLiteral("Условия расчета:"), coatItem,
        QStringLiteral("Необходимые материалы:") };
    const double values[] = { r.area, r.oilForOiling, r.groundPaints, r.paintComposition, r.redLead,
        r.oilForPainting, r.rags };
    for (int i = 0; i < 7; ++i)
        c.results.append(makeResult(
            i, QString::fromUtf16(kPaintingResultCaptions[i]), values[i], 4, separator, i > 0));
    return c;
}
