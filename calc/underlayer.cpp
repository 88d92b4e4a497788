// Underlayer kinds and coefficients, per cubic metre of underlayer, after the handbook of material
// consumption norms for floors.
#include "calc/underlayer.h"

#include <cmath>
#include <limits>

namespace {
enum Row {
    Sand,
    SlagOrGravel,
    CrushedStone,
    WedgeStone,
    StoneChips,
    Clay,
    Bitumen,
    ClayAndSand,
    Concrete,
    AcidResistantConcrete,
    SulphuricAcidSolution,
    Cobblestone,
};

constexpr UnderlayerMaterial kSand[] = { { Sand, 1.11L } };
constexpr UnderlayerMaterial kSlag[] = { { SlagOrGravel, 1.23L } };
constexpr UnderlayerMaterial kCrushedStone[]
    = { { CrushedStone, 0.97L }, { WedgeStone, 0.09L }, { StoneChips, 0.16L } };
constexpr UnderlayerMaterial kRammedClay[] = { { Clay, 0.43L }, { Sand, 1.02L } };
constexpr UnderlayerMaterial kRammedClayOily[]
    = { { Clay, 0.43L }, { Sand, 0.98L }, { Bitumen, 78.5L } };
constexpr UnderlayerMaterial kRammedClayStone[]
    = { { Clay, 0.33L }, { Sand, 0.76L }, { CrushedStone, 0.4L } };
constexpr UnderlayerMaterial kClayConcrete[]
    = { { Clay, 0.2L }, { Sand, 0.45L }, { Concrete, 0.9L } };
constexpr UnderlayerMaterial kCobblestone[]
    = { { Cobblestone, 0.74L }, { CrushedStone, 0.17L }, { Sand, 0.095L } };
constexpr UnderlayerMaterial kConcrete[] = { { Concrete, 1.02L } };
constexpr UnderlayerMaterial kAcidResistant[]
    = { { AcidResistantConcrete, 1.02L }, { SulphuricAcidSolution, 26 } };
} // namespace

const std::array<const char16_t *, kUnderlayerRows> kUnderlayerRowCaptions = {
    u"Песок, куб. метр",
    u"Шлак или гравий, куб. метр",
    u"Щебень, куб. метр",
    u"Клинец, куб. метр",
    u"Каменная мелочь. куб. метр",
    u"Глина, куб. метр",
    u"Битум БН-60/90, кг.",
    u"Глина Песок, куб. метр",
    u"Бетон, куб. метр",
    u"Бетон кислоупорный, куб. метр",
    u"Водный раствор серной кислоты, кг.",
    u"Камень булыжный, м3",
};

// Kind 9's heading names the acid-resistant underlayer it computes.
const std::array<UnderlayerKind, kUnderlayerKinds> kUnderlayerKindTable = { {
    { u"Устройство подстилающего слоя из песка",
        u"Выбрано:  Устройство подстилающего слоя из песка",
        u"Произведен расчет: Устройство подстилающего слоя из песка", 4, kSand },
    { u"Устройство подстилающего слоя из шлака",
        u"Выбрано:  Устройство подстилающего слоя из шлака",
        u"Произведен расчет: Устройство подстилающего слоя из шлака", 4, kSlag },
    { u"Устройство подстиляющего слоя из щебня",
        u"Выбрано:  Устройство подстиляющего слоя из щебня",
        u"Произведен расчет: Устройство подстиляющего слоя из щебня", 4, kCrushedStone },
    { u"Устройство глинобитного подстилающего слоя",
        u"Выбрано:  Устройство глинобитного подстилающего слоя без добавок",
        u"Произведен расчет: Устройство глинобитного подстилающего слоя без добавок", 4,
        kRammedClay },
    { u"То же с масляннистыми добавками",
        u"Выбрано:  Устройство глинобитного подстилающего слоя с масляннистыми добавками",
        u"Произведен расчет: Устройство глинобитного подстилающего слоя с масляннистыми добавками",
        4, kRammedClayOily },
    { u"То же с добавкой щебня",
        u"Выбрано:  Устройство глинобитного подстилающего слоя с добавлением щебня",
        u"Произведен расчет: Устройство глинобитного подстилающего слоя с добавкой щебня", 4,
        kRammedClayStone },
    { u"Устройство глинобетонного подстилающего слоя",
        u"Выбрано:  Устройство глинобетонного подстилающего слоя",
        u"Произведен расчет: Устройство глинобетонного подстилающего слоя", 4, kClayConcrete },
    { u"Устройство булыжного подстилающего слоя",
        u"Выбрано:  Устройство булыжного подстилающего слоя",
        u"Произведен расчет: Устройство булыжного подстилающего слоя", 4, kCobblestone },
    { u"Устройство бетонного подстилающего слоя",
        u"Выбрано:  Устройство бетонного подстилающего слоя",
        u"Произведен расчет: Устройство бетонного подстилающего слоя", 5, kConcrete },
    { u"Устройство кислотоупорного подстилающего слоя",
        u"Выбрано:  Устройство кислотоупорного подстилающего слоя",
        u"Произведен расчет: Устройство кислотоупорного подстилающего слоя", 5, kAcidResistant },
} };

std::vector<UnderlayerQuantity> computeUnderlayer(int kind, Extended volume)
{
    std::vector<UnderlayerQuantity> quantities;
    for (const UnderlayerMaterial &m : kUnderlayerKindTable.at(kind).materials)
        quantities.push_back({ m.row, storeDouble(volume * m.perM3) });
    return quantities;
}

Calculation underlayerCalculation(const QString &work, int kind, const QString &volumeText,
    Extended volume, const std::vector<UnderlayerQuantity> &quantities, QChar separator)
{
    const UnderlayerKind &k = kUnderlayerKindTable.at(kind);
    const QString volumeCaption = QString::fromUtf16(kUnderlayerVolumeCaption);
    Calculation c;
    c.work = work;
    c.inputs.append({ QStringLiteral("Вид работ"), QString::fromUtf16(k.item) });
    c.inputs.append({ volumeCaption + QStringLiteral(", м3"), volumeText });
    c.summary = QString::fromUtf16(k.item) + QStringLiteral(", ") + volumeText.trimmed()
        + QStringLiteral(" м3");
    c.heading = QStringList { QString::fromUtf16(k.headingLine), QStringLiteral("Условия расчета:"),
        volumeCaption + QStringLiteral(": ") + volumeText + u' '
            + QString::fromUtf16(kUnderlayerVolumeUnit),
        QStringLiteral("Итоги расчета: необходимо материалов:") };
    // The volume as a quantity of the work, where a double holds it (the materials may be
    // smaller than a volume beyond the double range).
    if (std::fabs(volume) <= std::numeric_limits<double>::max())
        c.results.append(makeResult(-1, volumeCaption + QStringLiteral(", м3"),
            static_cast<double>(volume), 4, separator, false));
    for (const UnderlayerQuantity &q : quantities)
        c.results.append(makeResult(q.row, QString::fromUtf16(kUnderlayerRowCaptions[q.row]),
            q.value, k.precision, separator));
    return c;
}
