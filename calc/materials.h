// The materials the calculators name, and which result caption means which material: so that
// "Олифа, кг" and "Олифа,кг ", or "Бетон, м3" and "Бетон, куб. метр", are one material with
// one unit, while different materials never meet.
#pragma once

#include "calc/calculation.h"

#include <QString>

#include <span>

struct Material {
    const char16_t *key;
    const char16_t *name; // as a statement shows it
    const char16_t *unit;
    int precision; // significant digits of its totals: the most any of its results shows
};

struct ResultCaption {
    const char16_t *caption; // exactly as the page shows it
    ResultKind kind;
    const char16_t *material; // key; nullptr unless kind is Material
    const char16_t *unit;
};

std::span<const Material> materials();
std::span<const ResultCaption> resultCaptions();

// nullptr for a caption that is not in the table.
const ResultCaption *findResultCaption(const QString &caption);
const Material *findMaterial(const QString &key);
