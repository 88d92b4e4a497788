// The statement of materials: one job's calculations as positions (a name the user types and a
// count of identical pieces), every material quantity times the count, and the totals by
// material. Sums are taken in extended precision and stored as doubles.
#pragma once

#include "calc/calculation.h"

#include <QString>

#include <vector>

struct Material;

struct StatementPosition {
    Calculation calculation;
    QString name; // e.g. "Стена по оси А"
    int count = 1; // identical pieces, at least 1
};

// A quantity of one material: the stored double and its text at the material's precision.
struct MaterialQuantity {
    int material = -1; // index into materials()
    double value = 0;
    QString text;
};

class Statement {
public:
    int size() const { return static_cast<int>(m_positions.size()); }
    bool isEmpty() const { return m_positions.empty(); }
    const StatementPosition &at(int index) const { return m_positions.at(index).position; }

    void insert(int index, StatementPosition position);
    StatementPosition take(int index);
    void setName(int index, const QString &name);
    void setCount(int index, int count); // count >= 1

    // The materials the positions use, as indices into materials(), in the table's order.
    std::vector<int> usedMaterials() const;
    // The position's quantity of the material times its count; value 0 and an empty text when
    // the position has none of it.
    MaterialQuantity quantity(int index, int material, QChar separator) const;
    // The work's own quantity times the count, or an empty text when the work has none.
    MaterialQuantity workQuantity(int index, QChar separator) const;
    // One total per used material, in the table's order.
    std::vector<MaterialQuantity> totals(QChar separator) const;

private:
    struct Entry {
        StatementPosition position;
        std::vector<std::pair<int, long double>> perPiece; // material, sum of its results
    };
    static Entry makeEntry(StatementPosition position);

    void countUse(const Entry &entry, int delta);

    std::vector<Entry> m_positions;
    std::vector<int> m_uses; // positions using each material, by material index
};

// The stored double of a sum; beyond the double range it is an infinity with the text
// "переполнение" rather than an error: a statement always shows.
MaterialQuantity storedQuantity(int material, long double sum, int precision, QChar separator);
