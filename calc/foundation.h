// Column foundations: volume from the three dimensions, class check and six materials.
#pragma once

#include "calc/calculation.h"
#include "calc/number_rules.h"

#include <array>

inline constexpr int kFoundationClasses = 5;
inline constexpr int kFoundationMaterials = 6;

// The volume classes of the radio group: a volume fits when it lies within the bound.
struct FoundationClass {
    bool upTo; // true: V <= limit; false: V > limit
    Extended limitM3;
};
inline constexpr std::array<FoundationClass, kFoundationClasses> kFoundationClassTable { {
    { true, 3 },
    { true, 5 },
    { false, 5 },
    { true, 25 },
    { false, 25 },
} };

// What one material is measured against: the concrete volume or the formwork area.
enum class FoundationBase { Volume, FormworkArea };
struct FoundationMaterial {
    FoundationBase base;
    Extended factor;
};

// Row order of the materials group.
inline constexpr std::array<FoundationMaterial, kFoundationMaterials> kFoundationMaterialTable { {
    // Concrete: 1,5 % placing losses, as the norms for monolithic concrete count them
    // (101,5 m3 per 100 m3 of structure).
    { FoundationBase::Volume, 1.015L },
    // Formwork panels, 25 mm: the panels cover the side faces, m2 per m2.
    { FoundationBase::FormworkArea, 1 },
    // Boards, 40 mm: typical working figure for bracing and ribs, m3 per m2 of formwork.
    { FoundationBase::FormworkArea, 0.02L },
    // Building nails, 100 mm: typical working figure for board formwork, kg per m2.
    { FoundationBase::FormworkArea, 0.3L },
    // Steel wire, 4 mm: typical working figure for tying the formwork, kg per m2.
    { FoundationBase::FormworkArea, 0.05L },
    // Release grease: typical consumption of 20-30 g per m2 of formwork, kg per m2.
    { FoundationBase::FormworkArea, 0.025L },
} };

// Base area = length x width, stored; volume = height x base area, stored.
double foundationVolume(Extended length, Extended width, Extended height);

bool volumeFitsClass(double volume, int foundationClass);

struct FoundationResult {
    double volume;
    double formworkArea; // side faces: 2 x (length + width) x height, stored
    std::array<double, kFoundationMaterials> materials;
};

// Throws EOverflow when a value exceeds the double range as it is stored.
FoundationResult computeFoundation(Extended length, Extended width, Extended height);
// The same from a volume already stored by foundationVolume (the page checks the class on it
// before any material is computed).
FoundationResult foundationMaterials(
    double volume, Extended length, Extended width, Extended height);

inline constexpr std::array<const char16_t *, 3> kFoundationInputCaptions { u"Длина конструкции",
    u"Ширина конструкции", u"Высота конструкции" };
inline constexpr std::array<const char16_t *, kFoundationMaterials> kFoundationResultCaptions {
    u"Бетон, м3", u"Щиты опалубки 25 мм.", u"Доски 40 мм", u"Гвозди строительные 100 мм",
    u"Проволока стальная 4 мм", u"Смазка"
};

// The record: `texts` are the three dimension texts, `classItem` the chosen class's caption.
// The volume is the work's quantity; it is neither shown in a result row nor logged.
Calculation foundationCalculation(const QString &work, const std::array<QString, 3> &texts,
    const QString &classItem, const FoundationResult &r, QChar separator);
