// The brick masonry page: read the seven fields, compute, show, log.
#include "calc/masonry_page.h"

#include "app/error_report.h"
#include "calc/masonry.h"
#include "navigation/routing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

MasonryPage::MasonryPage(CalculationLog &log, std::function<int()> selectedNode, QWidget *parent)
    : CalculatorPage(log, parent)
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
    const auto caption = [](int i) { return QString::fromUtf16(kMasonryInputCaptions[i]); };
    addInputRow(in, 1, caption(0), Edit1);
    addInputRow(in, 2, caption(1), Edit2);
    addInputRow(in, 3, caption(6), Edit3);
    in->addWidget(boldLabel(u"Оконные проемы:"_s), 4, 0);
    addInputRow(in, 5, caption(2), Edit4);
    addInputRow(in, 6, caption(3), Edit5);
    in->addWidget(boldLabel(u"Дверные проемы"_s), 7, 0);
    addInputRow(in, 8, caption(4), Edit6);
    addInputRow(in, 9, caption(5), Edit7);

    auto *results = new QGroupBox(u"Итоги расчета"_s, this);
    auto *out = new QGridLayout(results);
    Label23 = new QLabel;
    Label17 = new QLabel;
    Label18 = new QLabel;
    Label19 = new QLabel;
    QLabel *values[] = { Label23, Label17, Label18, Label19 };
    for (int i = 0; i < 4; ++i)
        m_rows.push_back(
            addResultRow(out, i, QString::fromUtf16(kMasonryResultCaptions[i]), values[i]));
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
    m_rows[0].caption->setObjectName(u"Label22"_s);
    m_rows[1].caption->setObjectName(u"Label13"_s);
    m_rows[2].caption->setObjectName(u"Label14"_s);
    m_rows[3].caption->setObjectName(u"Label15"_s);

    for (InputField *edit : { Edit1, Edit2, Edit4, Edit5, Edit6, Edit7 })
        connect(edit, &InputField::clicked, edit, &QLineEdit::clear); // Edit1Click ... Edit7Click
    pressOnEnter({ Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7 }, BitBtn9);
    connect(BitBtn9, &QPushButton::clicked, this, guarded([this] { BitBtn9Click(); }));
    connect(BitBtn8, &QPushButton::clicked, this, guarded([this] { BitBtn8Click(); }));
}

void MasonryPage::BitBtn9Click()
{
    forget();
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
    const int node = m_selectedNode();
    const MasonryResult r = computeMasonry(in, masonryVariantForNode(node));
    const QString work = node >= 0 ? nodeText(node) : u"Кирпичная кладка"_s;
    present(masonryCalculation(work,
                { Edit1->text(), Edit2->text(), Edit4->text(), Edit5->text(), Edit6->text(),
                    Edit7->text(), Edit3->text() },
                r, decimalSeparator()),
        m_rows);
}

void MasonryPage::BitBtn8Click()
{
    for (QLineEdit *edit : { Edit1, Edit2, Edit4, Edit5, Edit6, Edit7 })
        edit->setText(u"0"_s);
    hideResults(m_rows);
    forget();
}
