// The surface painting page: area and six quantities, computed in full before they are shown.
#include "calc/painting_page.h"

#include "calc/errors.h"
#include "calc/painting.h"
#include "log/calculation_log.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PaintingPage::PaintingPage(CalculationLog &log, QWidget *parent)
    : QWidget(parent)
    , m_log(log)
{
    auto *sizes = new QGroupBox(u"Размеры окрашиваемой поверхности"_s, this);
    auto *sizesGrid = new QGridLayout(sizes);
    Edit13 = new InputField(u"0"_s);
    Edit14 = new InputField(u"0"_s);
    addInputRow(sizesGrid, 0, u"Длина (или ширина) поверхности, м"_s, Edit13);
    addInputRow(sizesGrid, 1, u"Ширина (или высота) поверхности, м"_s, Edit14);
    // The area row spans the group: its caption is longer than the input captions.
    auto *areaRow = new QGridLayout;
    Label104 = new QLabel;
    m_area = addResultRow(areaRow, 0, u"Площадь окрашиваемой поверхности, м2  -"_s, Label104);
    areaRow->setColumnStretch(1, 1);
    sizesGrid->addLayout(areaRow, 2, 0, 1, 2);
    auto *normNote = new QLabel(u"Нормы расхода материалов даны на 100 м2 поверхности, "
                                u"количества пересчитаны на площадь окраски."_s);
    normNote->setWordWrap(true);
    QFont noteFont = normNote->font();
    noteFont.setItalic(true);
    normNote->setFont(noteFont);
    sizesGrid->addWidget(normNote, 3, 0, 1, 2);

    const RadioGroup works = makeRadioGroup(
        u"Перечень работ"_s, { u"Окраска в один слой"_s, u"Окраска в два слоя"_s }, this);
    RadioGroup3 = works.box;
    coats = works.buttons;
    coats->button(0)->setChecked(true);

    const QString normsTip = u"Нормы расхода на 100 м2 окрашиваемой поверхности "
                             u"(окраска металла железным суриком)"_s;
    auto *oiling = new QGroupBox(u"Материалы для проолифки"_s, this);
    oiling->setToolTip(wrappedToolTip(normsTip));
    auto *oilingGrid = new QGridLayout(oiling);
    Label69 = new QLabel;
    Label70 = new QLabel;
    m_oil = addResultRow(oilingGrid, 0, u"Олифа, кг"_s, Label69);
    m_paints = addResultRow(oilingGrid, 1, u"Краски тертые, кг"_s, Label70);

    auto *painting = new QGroupBox(u"Материалы для окраски"_s, this);
    painting->setToolTip(wrappedToolTip(normsTip));
    auto *paintingGrid = new QGridLayout(painting);
    Label71 = new QLabel;
    Label72 = new QLabel;
    Label73 = new QLabel;
    Label74 = new QLabel;
    m_composition = addResultRow(paintingGrid, 0, u"Состав окрасочный, кг"_s, Label71);
    paintingGrid->addWidget(new QLabel(u"в том числе:"_s), 1, 0);
    m_redLead = addResultRow(paintingGrid, 2, u"Сурик железный тертый, кг."_s, Label72);
    m_oilForPainting = addResultRow(paintingGrid, 3, u"Олифа,кг "_s, Label73);
    m_rags = addResultRow(paintingGrid, 4, u"Ветошь,кг"_s, Label74);
    for (QGridLayout *grid : { oilingGrid, paintingGrid })
        grid->setColumnStretch(1, 1);

    BitBtn5 = makeClearButton(this);
    BitBtn6 = makeCalculateButton(this);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(sizes);
    page->addWidget(RadioGroup3);
    page->addWidget(oiling);
    page->addWidget(painting);
    page->addStretch(1);
    page->addLayout(buttonPairLayout(BitBtn5, BitBtn6));

    NAME_WIDGET(Edit13);
    NAME_WIDGET(Edit14);
    NAME_WIDGET(Label104);
    NAME_WIDGET(Label69);
    NAME_WIDGET(Label70);
    NAME_WIDGET(Label71);
    NAME_WIDGET(Label72);
    NAME_WIDGET(Label73);
    NAME_WIDGET(Label74);
    NAME_WIDGET(RadioGroup3);
    NAME_WIDGET(BitBtn5);
    NAME_WIDGET(BitBtn6);

    connect(Edit13, &InputField::clicked, Edit13, &QLineEdit::clear); // Edit13Click
    connect(Edit14, &InputField::clicked, Edit14, &QLineEdit::clear); // Edit14Click
    pressOnEnter({ Edit13, Edit14 }, BitBtn6);
    connect(BitBtn6, &QPushButton::clicked, this, guarded([this] { BitBtn4Click(); }));
    connect(BitBtn5, &QPushButton::clicked, this, guarded([this] { BitBtn5Click(); }));
}

void PaintingPage::BitBtn4Click()
{
    const Extended length = ReadNumber(Edit13->text());
    const Extended width = ReadNumber(Edit14->text());
    const int coat = coats->checkedId();
    // Everything is computed before the first field changes: no failure leaves half a page.
    const PaintingResult r = computePainting(length, width, coat);

    m_area.show(FormatResult(r.area, 4));
    m_oil.show(FormatResult(r.oilForOiling, 4));
    m_paints.show(FormatResult(r.groundPaints, 4));
    m_composition.show(FormatResult(r.paintComposition, 4));
    m_redLead.show(FormatResult(r.redLead, 4));
    m_oilForPainting.show(FormatResult(r.oilForPainting, 4));
    m_rags.show(FormatResult(r.rags, 4));

    m_log.append(u"Условия расчета:"_s);
    m_log.append(coats->button(coat)->text());
    m_log.append(u"Необходимые материалы:"_s);
    for (const ResultRow *row :
        { &m_oil, &m_paints, &m_composition, &m_redLead, &m_oilForPainting, &m_rags })
        m_log.append(row->line());
}

void PaintingPage::BitBtn5Click()
{
    hideResults({ m_area, m_oil, m_paints, m_composition, m_redLead, m_oilForPainting, m_rags });
}
