// The material table and the caption table of every calculator's result rows.
#include "calc/materials.h"

#include <array>

namespace {
constexpr std::array kMaterials = {
    Material { u"brick", u"Кирпич глиняный обыкновенный", u"шт.", 10 },
    Material { u"mortar", u"Раствор", u"м3", 4 },
    Material { u"wooden_plugs", u"Пробки деревянные", u"м3", 4 },
    Material { u"concrete", u"Бетон", u"м3", 5 },
    Material { u"formwork_panels", u"Щиты опалубки 25 мм", u"м2", 4 },
    Material { u"boards_40", u"Доски 40 мм", u"м3", 4 },
    Material { u"nails_100", u"Гвозди строительные 100 мм", u"кг", 4 },
    Material { u"steel_wire_4", u"Проволока стальная 4 мм", u"кг", 4 },
    Material { u"release_grease", u"Смазка опалубки", u"кг", 4 },
    Material { u"drying_oil", u"Олифа", u"кг", 4 },
    Material { u"ground_paints", u"Краски тертые", u"кг", 4 },
    Material { u"red_lead", u"Сурик железный тертый", u"кг", 4 },
    Material { u"rags", u"Ветошь", u"кг", 4 },
    Material { u"sand", u"Песок", u"м3", 4 },
    Material { u"slag_or_gravel", u"Шлак или гравий", u"м3", 4 },
    Material { u"crushed_stone", u"Щебень", u"м3", 4 },
    Material { u"wedge_stone", u"Клинец", u"м3", 4 },
    Material { u"stone_chippings", u"Каменная мелочь", u"м3", 4 },
    Material { u"clay", u"Глина", u"м3", 4 },
    Material { u"bitumen", u"Битум БН-60/90", u"кг", 4 },
    Material { u"clay_sand", u"Глина, песок", u"м3", 4 },
    Material { u"acid_resistant_concrete", u"Бетон кислотоупорный", u"м3", 5 },
    Material { u"sulphuric_acid_solution", u"Водный раствор серной кислоты", u"кг", 5 },
    Material { u"cobblestone", u"Камень булыжный", u"м3", 4 },
    Material { u"turf", u"Дерн", u"м2", 4 },
    Material { u"wooden_pegs", u"Спицы деревянные", u"м3", 4 },
    Material { u"grass_seeds", u"Семена трав", u"кг", 4 },
    Material { u"topsoil", u"Земля растительная", u"м3", 4 },
    Material { u"fertilisers", u"Удобрения", u"кг", 4 },
    Material { u"bitumen_emulsion", u"Эмульсия битумная", u"л", 4 },
    Material { u"latex_emulsion", u"Эмульсия латексная", u"л", 4 },
    Material { u"sawdust", u"Опилки", u"м3", 4 },
};

using K = ResultKind;
constexpr std::array kCaptions = {
    // Brick masonry.
    ResultCaption { u"Объем кирпичной кладки, м3.", K::WorkQuantity, nullptr, u"м3" },
    ResultCaption { u"Кирпич глиняный обыкновенный, шт.", K::Material, u"brick", u"шт." },
    ResultCaption { u"Раствор, м3", K::Material, u"mortar", u"м3" },
    ResultCaption { u"Пробки деревянные, м3", K::Material, u"wooden_plugs", u"м3" },
    // Column foundation: the captions name a size, the computation gives the units.
    ResultCaption { u"Бетон, м3", K::Material, u"concrete", u"м3" },
    ResultCaption { u"Щиты опалубки 25 мм.", K::Material, u"formwork_panels", u"м2" },
    ResultCaption { u"Доски 40 мм", K::Material, u"boards_40", u"м3" },
    ResultCaption { u"Гвозди строительные 100 мм", K::Material, u"nails_100", u"кг" },
    ResultCaption { u"Проволока стальная 4 мм", K::Material, u"steel_wire_4", u"кг" },
    ResultCaption { u"Смазка", K::Material, u"release_grease", u"кг" },
    ResultCaption { u"Объем фундамента, м3", K::WorkQuantity, nullptr, u"м3" },
    // Surface painting: the paint composition is the sum of the three rows under it.
    ResultCaption { u"Площадь окрашиваемой поверхности, м2  -", K::WorkQuantity, nullptr, u"м2" },
    ResultCaption { u"Олифа, кг", K::Material, u"drying_oil", u"кг" },
    ResultCaption { u"Краски тертые, кг", K::Material, u"ground_paints", u"кг" },
    ResultCaption { u"Состав окрасочный, кг", K::Subtotal, nullptr, u"кг" },
    ResultCaption { u"Сурик железный тертый, кг.", K::Material, u"red_lead", u"кг" },
    ResultCaption { u"Олифа,кг ", K::Material, u"drying_oil", u"кг" },
    ResultCaption { u"Ветошь,кг", K::Material, u"rags", u"кг" },
    // Floor underlayers.
    ResultCaption { u"Песок, куб. метр", K::Material, u"sand", u"м3" },
    ResultCaption { u"Шлак или гравий, куб. метр", K::Material, u"slag_or_gravel", u"м3" },
    ResultCaption { u"Щебень, куб. метр", K::Material, u"crushed_stone", u"м3" },
    ResultCaption { u"Клинец, куб. метр", K::Material, u"wedge_stone", u"м3" },
    ResultCaption { u"Каменная мелочь. куб. метр", K::Material, u"stone_chippings", u"м3" },
    ResultCaption { u"Глина, куб. метр", K::Material, u"clay", u"м3" },
    ResultCaption { u"Битум БН-60/90, кг.", K::Material, u"bitumen", u"кг" },
    ResultCaption { u"Глина Песок, куб. метр", K::Material, u"clay_sand", u"м3" },
    ResultCaption { u"Бетон, куб. метр", K::Material, u"concrete", u"м3" },
    ResultCaption {
        u"Бетон кислоупорный, куб. метр", K::Material, u"acid_resistant_concrete", u"м3" },
    ResultCaption {
        u"Водный раствор серной кислоты, кг.", K::Material, u"sulphuric_acid_solution", u"кг" },
    ResultCaption { u"Камень булыжный, м3", K::Material, u"cobblestone", u"м3" },
    ResultCaption { u"Объем подстилающего слоя, м3", K::WorkQuantity, nullptr, u"м3" },
    // Grass sowing.
    ResultCaption { u"Площадь участка, м2", K::WorkQuantity, nullptr, u"м2" },
    ResultCaption { u"Дерн, м2", K::Material, u"turf", u"м2" },
    ResultCaption { u"Спицы  деревянные, м3", K::Material, u"wooden_pegs", u"м3" },
    ResultCaption { u"Семена трав, кг", K::Material, u"grass_seeds", u"кг" },
    ResultCaption { u"Земля растительная, м3", K::Material, u"topsoil", u"м3" },
    ResultCaption { u"Удобрения, кг", K::Material, u"fertilisers", u"кг" },
    ResultCaption { u"Эмульсия битумная, л.", K::Material, u"bitumen_emulsion", u"л" },
    ResultCaption { u"Эмульсия латексная, л.", K::Material, u"latex_emulsion", u"л" },
    ResultCaption { u"Опилки, м3", K::Material, u"sawdust", u"м3" },
};
} // namespace

std::span<const Material> materials()
{
    return kMaterials;
}

std::span<const ResultCaption> resultCaptions()
{
    return kCaptions;
}

const ResultCaption *findResultCaption(const QString &caption)
{
    for (const ResultCaption &c : kCaptions) {
        if (caption == QStringView(c.caption))
            return &c;
    }
    return nullptr;
}

const Material *findMaterial(const QString &key)
{
    for (const Material &m : kMaterials) {
        if (key == QStringView(m.key))
            return &m;
    }
    return nullptr;
}
