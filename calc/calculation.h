// One calculation as a value: what was computed, from which inputs, and every result with its
// material, unit, stored double, precision and text. A page shows it, the log lines are made
// from it, the statement of materials collects it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// What a result row stands for.
enum class ResultKind {
    Material, // a material to order
    WorkQuantity, // the work's own size (masonry volume, painted area)
    Subtotal, // the sum of the rows under it ("в том числе"), not a material of its own
};

struct CalculationResult {
    int row = 0; // the page's result row it is shown in
    QString caption; // as on the page, typos and blanks included
    ResultKind kind = ResultKind::Material;
    QString material; // key into the material table; empty unless kind is Material
    QString unit;
    double value = 0; // the stored double
    int precision = 4; // significant digits of the text
    QString text; // FormatResult(value, precision)
    bool logged = true; // written to the log as "caption: text"

    // "caption: text"
    QString line() const;
};

struct CalculationInput {
    QString caption;
    QString text; // as typed, or the chosen item of a list
};

struct Calculation {
    QString work; // the node text of the work
    QList<CalculationInput> inputs;
    QString summary; // the inputs in short, e.g. "стена 10 × 3 м, толщина 0,24 м"
    QStringList heading; // log lines before the result lines
    QList<CalculationResult> results; // in the order shown and logged

    // The heading, then "caption: text" of every logged result.
    QStringList logLines() const;
    // The work's own quantity, or nullptr when the calculation has none.
    const CalculationResult *workQuantity() const;
};

// The start of a record: the work and its inputs, each caption of the table with the text as
// typed; `choice` adds the chosen item of the page's list as the input «Вид работ».
template <std::size_t N>
Calculation calculationOf(const QString &work, const std::array<const char16_t *, N> &captions,
    const std::array<QString, N> &texts, const QString &choice = QString())
{
    Calculation c;
    c.work = work;
    for (std::size_t i = 0; i < N; ++i)
        c.inputs.append({ QString::fromUtf16(captions[i]), texts[i] });
    if (!choice.isEmpty())
        c.inputs.append({ QStringLiteral("Вид работ"), choice });
    return c;
}

// A result row of `caption`; its kind, material and unit come from the material table.
CalculationResult makeResult(int row, const QString &caption, double value, int precision,
    QChar separator, bool logged = true);
