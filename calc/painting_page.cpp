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
    const auto caption = [](int i) { return QString::fromUtf16(kPaintingResultCaptions[i]); };
    PageBuilder build(this);
    const PageBuilder::Group sizes = build.group(u"Размеры окрашиваемой поверхности"_s,
        {
            { PageRow::Input, QString::fromUtf16(kPaintingInputCaptions[0]), "Edit13" },
            { PageRow::Input, QString::fromUtf16(kPaintingInputCaptions[1]), "Edit14" },
        });
    // The area row spans the group: its caption is longer than the input captions.
    auto *areaRow = new QGridLayout;
    Label104 = new QLabel;
    NAME_WIDGET(Label104);
    const ResultRow area = addResultRow(areaRow, 0, caption(0), Label104);
    areaRow->setColumnStretch(1, 1);
    sizes.grid->addLayout(areaRow, 2, 0, 1, 2);
    auto *normNote = new QLabel(u"Нормы расхода материалов даны на 100 м2 поверхности, "
                                u"количества пересчитаны на площадь окраски."_s);
    normNote->setWordWrap(true);
    QFont noteFont = normNote->font();
    noteFont.setItalic(true);
    normNote->setFont(noteFont);
    sizes.grid->addWidget(normNote, 3, 0, 1, 2);

    const RadioGroup works = build.radios(
        u"Перечень работ"_s, { u"Окраска в один слой"_s, u"Окраска в два слоя"_s }, "RadioGroup3");
    RadioGroup3 = works.box;
    coats = works.buttons;
    coats->button(0)->setChecked(true);

    const QString normsTip = wrappedToolTip(u"Нормы расхода на 100 м2 окрашиваемой поверхности "
                                            u"(окраска металла железным суриком)"_s);
    const PageBuilder::Group oiling = build.group(u"Материалы для проолифки"_s,
        {
            { PageRow::Result, caption(1), "Label69" },
            { PageRow::Result, caption(2), "Label70" },
        });
    const PageBuilder::Group painting = build.group(u"Материалы для окраски"_s,
        {
            { PageRow::Result, caption(3), "Label71" },
            { PageRow::Text, u"в том числе:"_s },
            { PageRow::Result, caption(4), "Label72" },
            { PageRow::Result, caption(5), "Label73" },
            { PageRow::Result, caption(6), "Label74" },
        });
    for (const PageBuilder::Group &g : { oiling, painting }) {
        g.box->setToolTip(normsTip);
        g.grid->setColumnStretch(1, 1);
    }
    build.finish({ sizes.box, RadioGroup3, oiling.box, painting.box }, BitBtn5, "BitBtn5",
        &PaintingPage::BitBtn5Click, BitBtn6, "BitBtn6", &PaintingPage::BitBtn4Click);

    Edit13 = build.get<InputField>("Edit13");
    Edit14 = build.get<InputField>("Edit14");
    Label69 = build.get<QLabel>("Label69");
    Label70 = build.get<QLabel>("Label70");
    Label71 = build.get<QLabel>("Label71");
    Label72 = build.get<QLabel>("Label72");
    Label73 = build.get<QLabel>("Label73");
    Label74 = build.get<QLabel>("Label74");
    m_rows = { area };
    m_rows.insert(m_rows.end(), build.results().begin(), build.results().end());
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
