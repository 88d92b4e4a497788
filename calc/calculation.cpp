// The calculation record: result lines and the lookup of a result's material.
#include "calc/calculation.h"

#include "calc/materials.h"
#include "calc/number_rules.h"

using namespace Qt::StringLiterals;

QString CalculationResult::line() const
{
    return caption + u": "_s + text;
}

QStringList Calculation::logLines() const
{
    QStringList lines = heading;
    for (const CalculationResult &r : results) {
        if (r.logged)
            lines << r.line();
    }
    return lines;
}

const CalculationResult *Calculation::workQuantity() const
{
    for (const CalculationResult &r : results) {
        if (r.kind == ResultKind::WorkQuantity)
            return &r;
    }
    return nullptr;
}

CalculationResult makeResult(
    int row, const QString &caption, double value, int precision, QChar separator, bool logged)
{
    CalculationResult r;
    r.row = row;
    r.caption = caption;
    const ResultCaption *known = findResultCaption(caption);
    Q_ASSERT_X(known, "makeResult", "every result caption stands in the material table");
    if (known) {
        r.kind = known->kind;
        r.unit = QString::fromUtf16(known->unit);
        if (known->kind == ResultKind::Material)
            r.material = QString::fromUtf16(known->material);
    }
    r.value = value;
    r.precision = precision;
    r.text = FormatResult(value, precision, separator);
    r.logged = logged;
    return r;
}
