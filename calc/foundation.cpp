// Column foundation formulas: volume, formwork area and the six materials.
#include "calc/foundation.h"

double foundationVolume(Extended length, Extended width, Extended height)
{
    const double baseArea = storeDouble(length * width);
    return storeDouble(height * baseArea);
}

bool volumeFitsClass(double volume, int foundationClass)
{
    const FoundationClass &c = kFoundationClassTable.at(foundationClass);
    return c.upTo ? volume <= c.limitM3 : volume > c.limitM3;
}

FoundationResult computeFoundation(Extended length, Extended width, Extended height)
{
    return foundationMaterials(foundationVolume(length, width, height), length, width, height);
}

FoundationResult foundationMaterials(
    double volume, Extended length, Extended width, Extended height)
{
    FoundationResult r {};
    r.volume = volume;
    r.formworkArea = storeDouble(2 * (length + width) * height);
    for (int i = 0; i < kFoundationMaterials; ++i) {
        const FoundationMaterial &m = kFoundationMaterialTable[i];
        const double base = m.base == FoundationBase::Volume ? r.volume : r.formworkArea;
        r.materials[i] = storeDouble(m.factor * base);
    }
    return r;
}

Calculation foundationCalculation(const QString &work, const std::array<QString, 3> &texts,
    const QString &classItem, const FoundationResult &r, QChar separator)
{
    Calculation c = calculationOf(work, kFoundationInputCaptions, texts, classItem);
    c.summary = QStringLiteral("%1 × %2 × %3 м, %4")
                    .arg(texts[0].trimmed(), texts[1].trimmed(), texts[2].trimmed(), classItem);
    for (int i = 0; i < kFoundationMaterials; ++i)
        c.results.append(makeResult(
            i, QString::fromUtf16(kFoundationResultCaptions[i]), r.materials[i], 4, separator));
    CalculationResult volume
        = makeResult(-1, QStringLiteral("Объем фундамента, м3"), r.volume, 4, separator, false);
    c.results.prepend(volume);
    return c;
}
