// The brick masonry page: read the seven fields, compute, show, log.
#include "calc/masonry_page.h"

#include "calc/errors.h"
#include "calc/masonry.h"
#include "log/calculation_log.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

MasonryPage::MasonryPage(CalculationLog &log, std::function<int()> selectedNode, QWidget *parent)
    : QWidget(parent)
    , m_log(log)
    , m_selectedNode(std::move(selectedNode))
{
    auto *conditions = new QGroupBox(u"Условия расчета"_s, this);
    auto *in = new QGridLayout(conditions);
    in->setVerticalSpacing(3);
    Edit1 = new InputField(u"0"_s);
    Edit2 = new InputField(u"0"_s);
    Edit3 = new QLineEdit(u"0,24"_s);
    Edit3->setReadOnly(true);
    Edit3->setFixedWidth(72);
    Edit4 = new InputField(u"0"_s);
    Edit5 = new InputField(u"0"_s);
    Edit6 = new InputField(u"0"_s);
    Edit7 = new InputField(u"0"_s);
    in->addWidget(boldLabel(u"Стена"_s), 0, 0);
    addInputRow(in, 1, u"Длина стены по периметру, м."_s, Edit1);
    addInputRow(in, 2, u"Высота стены по периметру, м."_s, Edit2);
    addInputRow(in, 3, u"Толщина кладки, м."_s, Edit3);
    in->addWidget(boldLabel(u"Оконные проемы:"_s), 4, 0);
    addInputRow(in, 5, u"Общая длина оконных проемов, м."_s, Edit4);
    addInputRow(in, 6, u"Общая высота оконных проемов, м."_s, Edit5);
    in->addWidget(boldLabel(u"Дверные проемы"_s), 7, 0);
    addInputRow(in, 8, u"Общая длина дверных проемов, м."_s, Edit6);
    addInputRow(in, 9, u"Общая высота дверных проемов, м."_s, Edit7);

    auto *results = new QGroupBox(u"Итоги расчета"_s, this);
    auto *out = new QGridLayout(results);
    Label23 = new QLabel;
    Label17 = new QLabel;
    Label18 = new QLabel;
    Label19 = new QLabel;
    m_volume = addResultRow(out, 0, u"Объем кирпичной кладки, м3."_s, Label23);
    m_bricks = addResultRow(out, 1, u"Кирпич глиняный обыкновенный, шт."_s, Label17);
    m_mortar = addResultRow(out, 2, u"Раствор, м3"_s, Label18);
    m_plugs = addResultRow(out, 3, u"Пробки деревянные, м3"_s, Label19);
    out->setColumnStretch(1, 1);

    BitBtn8 = makeClearButton(this);
    BitBtn9 = makeCalculateButton(this);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(conditions);
    page->addWidget(results);
    page->addStretch(1);
    page->addLayout(buttonPairLayout(BitBtn8, BitBtn9));

    NAME_WIDGET(Edit1);
    NAME_WIDGET(Edit2);
    NAME_WIDGET(Edit3);
    NAME_WIDGET(Edit4);
    NAME_WIDGET(Edit5);
    NAME_WIDGET(Edit6);
    NAME_WIDGET(Edit7);
    NAME_WIDGET(Label23);
    NAME_WIDGET(Label17);
    NAME_WIDGET(Label18);
    NAME_WIDGET(Label19);
    NAME_WIDGET(BitBtn8);
    NAME_WIDGET(BitBtn9);
    m_volume.caption->setObjectName(u"Label22"_s);
    m_bricks.caption->setObjectName(u"Label13"_s);
    m_mortar.caption->setObjectName(u"Label14"_s);
    m_plugs.caption->setObjectName(u"Label15"_s);

    for (InputField *edit : { Edit1, Edit2, Edit4, Edit5, Edit6, Edit7 })
        connect(edit, &InputField::clicked, edit, &QLineEdit::clear); // Edit1Click ... Edit7Click
    pressOnEnter({ Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7 }, BitBtn9);
    connect(BitBtn9, &QPushButton::clicked, this, guarded([this] { BitBtn9Click(); }));
    connect(BitBtn8, &QPushButton::clicked, this, guarded([this] { BitBtn8Click(); }));
}

void MasonryPage::BitBtn9Click()
{
    // Every field is read before anything changes.
    MasonryInput in {};
    in.wallLength = ReadNumber(Edit1->text());
    in.wallHeight = ReadNumber(Edit2->text());
    in.windowLength = ReadNumber(Edit4->text());
    in.windowHeight = ReadNumber(Edit5->text());
    in.doorLength = ReadNumber(Edit6->text());
    in.doorHeight = ReadNumber(Edit7->text());
    in.thickness = ReadNumber(Edit3->text());

    // All stored values are computed before the page changes, so an overflow changes nothing.
    const MasonryResult r = computeMasonry(in, masonryVariantForNode(m_selectedNode()));

    m_volume.show(FormatResult(r.volume, 4));
    m_bricks.show(FormatResult(r.bricks, 10));
    m_mortar.show(FormatResult(r.mortar, 4));
    m_plugs.show(FormatResult(r.plugs, 4));

    m_log.append(u"Итоги произведенного расчета:"_s);
    for (const ResultRow *row : { &m_volume, &m_bricks, &m_mortar, &m_plugs })
        m_log.append(row->line());
}

void MasonryPage::BitBtn8Click()
{
    for (QLineEdit *edit : { Edit1, Edit2, Edit4, Edit5, Edit6, Edit7 })
        edit->setText(u"0"_s);
    hideResults({ m_volume, m_bricks, m_mortar, m_plugs });
}
