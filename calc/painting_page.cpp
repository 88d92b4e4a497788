// The surface painting page: area and six quantities, computed in full before they are shown.
#include "calc/painting_page.h"
#include "navigation/routing.h"
#include "navigation/section_nodes.h"

#include "app/error_report.h"
#include "calc/painting.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PaintingPage::PaintingPage(CalculationLog &log, QWidget *parent)
    : CalculatorPage(log, parent)
{
    auto *sizes = new QGroupBox(u"Размеры окрашиваемой поверхности"_s, this);
    auto *sizesGrid = new QGridLayout(sizes);
    Edit13 = new InputField(u"0"_s);
    Edit14 = new InputField(u"0"_s);
    addInputRow(sizesGrid, 0, QString::fromUtf16(kPaintingInputCaptions[0]), Edit13);
    addInputRow(sizesGrid, 1, QString::fromUtf16(kPaintingInputCaptions[1]), Edit14);
    const auto caption = [](int i) { return QString::fromUtf16(kPaintingResultCaptions[i]); };
    // The area row spans the group: its caption is longer than the input captions.
    auto *areaRow = new QGridLayout;
    Label104 = new QLabel;
    m_rows.push_back(addResultRow(areaRow, 0, caption(0), Label104));
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
    m_rows.push_back(addResultRow(oilingGrid, 0, caption(1), Label69));
    m_rows.push_back(addResultRow(oilingGrid, 1, caption(2), Label70));

    auto *painting = new QGroupBox(u"Материалы для окраски"_s, this);
    painting->setToolTip(wrappedToolTip(normsTip));
    auto *paintingGrid = new QGridLayout(painting);
    Label71 = new QLabel;
    Label72 = new QLabel;
    Label73 = new QLabel;
    Label74 = new QLabel;
    m_rows.push_back(addResultRow(paintingGrid, 0, caption(3), Label71));
    paintingGrid->addWidget(new QLabel(u"в том числе:"_s), 1, 0);
    m_rows.push_back(addResultRow(paintingGrid, 2, caption(4), Label72));
    m_rows.push_back(addResultRow(paintingGrid, 3, caption(5), Label73));
    m_rows.push_back(addResultRow(paintingGrid, 4, caption(6), Label74));
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
    forget();
    const Extended length = ReadNumber(Edit13->text());
    const Extended width = ReadNumber(Edit14->text());
    const int coat = coats->checkedId();
    // Everything is computed before the first field changes: no failure leaves half a page.
    const PaintingResult r = computePainting(length, width, coat);
    present(paintingCalculation(nodeText(kPaintingNode), { Edit13->text(), Edit14->text() },
                coats->button(coat)->text(), r, decimalSeparator()),
        m_rows);
}

void PaintingPage::BitBtn5Click()
{
    hideResults(m_rows);
    forget();
}
