// Positions, their material quantities and the totals by material.
#include "statement/statement.h"

#include "calc/materials.h"
#include "calc/number_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
// The sum rounded to the nearest double; an infinity beyond the double range.
double storedValue(long double sum)
{
    constexpr long double edge
        = std::numeric_limits<double>::max() + static_cast<long double>(0x1p970);
    if (std::fabs(sum) < edge)
        return static_cast<double>(sum);
    return sum < 0 ? -std::numeric_limits<double>::infinity()
                   : std::numeric_limits<double>::infinity();
}
} // namespace

MaterialQuantity storedQuantity(int material, long double sum, int precision, QChar separator)
{
    MaterialQuantity q;
    q.material = material;
    q.value = storedValue(sum);
    q.text
        = std::isfinite(q.value) ? FormatResult(q.value, precision, separator) : u"переполнение"_s;
    return q;
}

Statement::Entry Statement::makeEntry(StatementPosition position)
{
    Entry e { std::move(position), {} };
    const auto all = materials();
    for (const CalculationResult &r : e.position.calculation.results) {
        if (r.kind != ResultKind::Material || r.value == 0)
            continue; // a material the work does not use (turf of a sowing) is no line to order
        const Material *m = findMaterial(r.material);
        if (!m)
            continue;
        const int index = static_cast<int>(m - all.data());
        auto it = std::find_if(e.perPiece.begin(), e.perPiece.end(),
            [index](const auto &p) { return p.first == index; });
        if (it == e.perPiece.end())
            e.perPiece.emplace_back(index, static_cast<long double>(r.value));
        else
            it->second += r.value; // "Олифа, кг" and "Олифа,кг " of one painting
    }
    return e;
}

void Statement::countUse(const Entry &entry, int delta)
{
    m_uses.resize(materials().size(), 0);
    for (const auto &[material, sum] : entry.perPiece)
        m_uses[static_cast<std::size_t>(material)] += delta;
}

void Statement::insert(int index, StatementPosition position)
{
    position.count = std::max(1, position.count);
    Entry entry = makeEntry(std::move(position));
    countUse(entry, +1);
    m_positions.insert(m_positions.begin() + index, std::move(entry));
}

StatementPosition Statement::take(int index)
{
    countUse(m_positions.at(index), -1);
    StatementPosition p = std::move(m_positions.at(index).position);
    m_positions.erase(m_positions.begin() + index);
    return p;
}

void Statement::setName(int index, const QString &name)
{
    m_positions.at(index).position.name = name;
}

void Statement::setCount(int index, int count)
{
    m_positions.at(index).position.count = std::max(1, count);
}

std::vector<int> Statement::usedMaterials() const
{
    std::vector<int> out;
    for (std::size_t i = 0; i < m_uses.size(); ++i) {
        if (m_uses[i] > 0)
            out.push_back(static_cast<int>(i));
    }
    return out;
}

MaterialQuantity Statement::quantity(int index, int material, QChar separator) const
{
    const Entry &e = m_positions.at(index);
    for (const auto &[m, sum] : e.perPiece) {
        if (m == material)
            return storedQuantity(m, sum * e.position.count, materials()[m].precision, separator);
    }
    return { material, 0, QString() };
}

MaterialQuantity Statement::workQuantity(int index, QChar separator) const
{
    const StatementPosition &p = at(index);
    if (const CalculationResult *w = p.calculation.workQuantity())
        return storedQuantity(
            -1, static_cast<long double>(w->value) * p.count, w->precision, separator);
    return {};
}

std::vector<MaterialQuantity> Statement::totals(QChar separator) const
{
    // A total adds the positions' stored quantities, as every later step reads stored values.
    std::vector<long double> sums(materials().size(), 0);
    std::vector<bool> used(materials().size(), false);
    for (const Entry &e : m_positions) {
        for (const auto &[material, sum] : e.perPiece) {
            sums[material] += storedValue(sum * e.position.count);
            used[material] = true;
        }
    }
    std::vector<MaterialQuantity> out;
    for (std::size_t i = 0; i < sums.size(); ++i) {
        if (used[i])
            out.push_back(
                storedQuantity(static_cast<int>(i), sums[i], materials()[i].precision, separator));
    }
    return out;
}
