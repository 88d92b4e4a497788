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

Calculation sowingCalculation(const QString &work, const std::array<QString, 2> &texts,
    const QString &workItem, const SowingResult &r, QChar separator)
{
    Calculation c = calculationOf(work, kSowingInputCaptions, texts, workItem);
    c.summary
        = QStringLiteral("%1 × %2 м, %3").arg(texts[0].trimmed(), texts[1].trimmed(), workItem);
    const CalculationResult area
        = makeResult(-1, QStringLiteral("Площадь участка, м2"), r.area, 4, separator, false);
    c.heading = QStringList { QStringLiteral("Условия расчета:"), workItem, area.line(),
        QStringLiteral("Необходимые материалы:") };
    c.results.append(area);
    for (int i = 0; i < kSowingMaterials; ++i)
        c.results.append(makeResult(
            i, QString::fromUtf16(kSowingResultCaptions[i]), r.materials[i], 4, separator));
    return c;
}
