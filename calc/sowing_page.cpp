// The grass sowing page: the site's area times the chosen work's consumption per m2.
#include "calc/sowing_page.h"
#include "navigation/routing.h"
#include "navigation/section_nodes.h"

#include "app/error_report.h"
#include "calc/sowing.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SowingPage::SowingPage(CalculationLog &log, QWidget *parent)
    : CalculatorPage(log, parent)
{
    auto *sizes = new QGroupBox(u"Размеры площадки"_s, this);
    auto *sizesGrid = new QGridLayout(sizes);
    Edit11 = new InputField(u"0"_s);
    Edit12 = new InputField(u"0"_s);
    addInputRow(sizesGrid, 0, u"Длина конструкции, м"_s, Edit11);
    addInputRow(sizesGrid, 1, u"Ширина конструкции, м"_s, Edit12);

    const RadioGroup kinds = makeRadioGroup(u"Перечень работ"_s,
        { u"Посев трав в ручную"_s, u"Посев трав с помощью механизмов"_s,
            u"Посев трав гидропосевом, 1000 м2"_s },
        this);
    RadioGroup2 = kinds.box;
    works = kinds.buttons;

    auto *materials = new QGroupBox(u"Материалы"_s, this);
    materials->setToolTip(wrappedToolTip(
        u"Расход на 1 м2 участка. Посев вручную: семена 20 кг на 1000 м2 (государственная "
        u"норма).\nПосев механизмами и гидропосев: типовые производственные показатели."_s));
    auto *matGrid = new QGridLayout(materials);
    matGrid->setColumnStretch(1, 1);
    Label54 = new QLabel;
    Label55 = new QLabel;
    Label56 = new QLabel;
    Label57 = new QLabel;
    Label58 = new QLabel;
    Label59 = new QLabel;
    Label45 = new QLabel;
    Label47 = new QLabel;
    QLabel *values[] = { Label54, Label55, Label56, Label57, Label58, Label59, Label45, Label47 };
    for (int i = 0; i < kSowingMaterials; ++i)
        m_rows.push_back(
            addResultRow(matGrid, i, QString::fromUtf16(kSowingResultCaptions[i]), values[i]));

    BitBtn3 = makeClearButton(this);
    BitBtn4 = makeCalculateButton(this);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(sizes);
    page->addWidget(RadioGroup2);
    page->addWidget(materials);
    page->addStretch(1);
    page->addLayout(buttonPairLayout(BitBtn3, BitBtn4));

    NAME_WIDGET(Edit11);
    NAME_WIDGET(Edit12);
    NAME_WIDGET(RadioGroup2);
    NAME_WIDGET(Label54);
    NAME_WIDGET(Label55);
    NAME_WIDGET(Label56);
    NAME_WIDGET(Label57);
    NAME_WIDGET(Label58);
    NAME_WIDGET(Label59);
    NAME_WIDGET(Label45);
    NAME_WIDGET(Label47);
    NAME_WIDGET(BitBtn3);
    NAME_WIDGET(BitBtn4);

    connect(Edit11, &InputField::clicked, Edit11, &QLineEdit::clear); // Edit11Click
    connect(Edit12, &InputField::clicked, Edit12, &QLineEdit::clear); // Edit12Click
    pressOnEnter({ Edit11, Edit12 }, BitBtn4);
    connect(BitBtn4, &QPushButton::clicked, this, guarded([this] { BitBtn4Click(); }));
    connect(BitBtn3, &QPushButton::clicked, this, guarded([this] { BitBtn3Click(); }));
}

void SowingPage::BitBtn4Click()
{
    forget();
    const int work = works->checkedId();
    if (work < 0)
        throw AppError(u"Выберите вид работ в группе «Перечень работ»"_s);
    const Extended length = ReadNumber(Edit11->text());
    const Extended width = ReadNumber(Edit12->text());
    const SowingResult r = computeSowing(length, width, work);
    present(sowingCalculation(nodeText(kSowingNode), { Edit11->text(), Edit12->text() },
                works->button(work)->text(), r, decimalSeparator()),
        m_rows);
}

void SowingPage::BitBtn3Click()
{
    hideResults(m_rows);
    forget();
}
