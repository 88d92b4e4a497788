// Floor underlayers: ten kinds, each a list of materials per cubic metre of underlayer.
#pragma once

#include "calc/calculation.h"
#include "calc/number_rules.h"

#include <array>
#include <span>
#include <vector>

inline constexpr int kUnderlayerKinds = 10;
inline constexpr int kUnderlayerRows = 12; // material rows of the page, top to bottom

// One material of a kind: the page row (0-based) and its consumption per m3.
struct UnderlayerMaterial {
    int row;
    Extended perM3;
};

struct UnderlayerKind {
    const char16_t *item; // caption in the kind list
    const char16_t *selectionLine; // logged when the kind is chosen
    const char16_t *headingLine; // first line of a calculation block
    int precision; // significant digits of its results
    std::span<const UnderlayerMaterial> materials; // in the order shown and logged
};

// The rows of the materials group (row 7, clay and sand, belongs to no kind).
extern const std::array<const char16_t *, kUnderlayerRows> kUnderlayerRowCaptions;
extern const std::array<UnderlayerKind, kUnderlayerKinds> kUnderlayerKindTable;

struct UnderlayerQuantity {
    int row;
    double value;
};

// Every quantity of the kind for the volume, stored as doubles; throws EOverflow.
std::vector<UnderlayerQuantity> computeUnderlayer(int kind, Extended volume);

inline constexpr const char16_t *kUnderlayerVolumeCaption = u"Объем подстилающего слоя";
inline constexpr const char16_t *kUnderlayerVolumeUnit = u"куб. метр(ов)";

// The record of a calculation of `kind` for the volume as typed and as read.
Calculation underlayerCalculation(const QString &work, int kind, const QString &volumeText,
    Extended volume, const std::vector<UnderlayerQuantity> &quantities, QChar separator);
