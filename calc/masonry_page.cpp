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
    const auto input = [](int i) { return QString::fromUtf16(kMasonryInputCaptions[i]); };
    const auto result = [](int i) { return QString::fromUtf16(kMasonryResultCaptions[i]); };
    PageBuilder build(this);
    const PageBuilder::Group conditions = build.group(u"Условия расчета"_s,
        {
            { PageRow::Heading, u"Стена"_s },
            { PageRow::Input, input(0), "Edit1" },
            { PageRow::Input, input(1), "Edit2" },
            { PageRow::ReadOnlyInput, input(6), "Edit3", nullptr, u"0,24" },
            { PageRow::Heading, u"Оконные проемы:"_s },
            { PageRow::Input, input(2), "Edit4" },
            { PageRow::Input, input(3), "Edit5" },
            { PageRow::Heading, u"Дверные проемы"_s },
            { PageRow::Input, input(4), "Edit6" },
            { PageRow::Input, input(5), "Edit7" },
        });
    conditions.grid->setVerticalSpacing(3);
    const PageBuilder::Group results = build.group(u"Итоги расчета"_s,
        {
            { PageRow::Result, result(0), "Label23", "Label22" },
            { PageRow::Result, result(1), "Label17", "Label13" },
            { PageRow::Result, result(2), "Label18", "Label14" },
            { PageRow::Result, result(3), "Label19", "Label15" },
        });
    results.grid->setColumnStretch(1, 1);
    build.finish({ conditions.box, results.box }, BitBtn8, "BitBtn8", &MasonryPage::BitBtn8Click,
        BitBtn9, "BitBtn9", &MasonryPage::BitBtn9Click);

    Edit1 = build.get<InputField>("Edit1");
    Edit2 = build.get<InputField>("Edit2");
    Edit3 = build.get<QLineEdit>("Edit3");
    Edit4 = build.get<InputField>("Edit4");
    Edit5 = build.get<InputField>("Edit5");
    Edit6 = build.get<InputField>("Edit6");
    Edit7 = build.get<InputField>("Edit7");
    Label23 = build.get<QLabel>("Label23");
    Label17 = build.get<QLabel>("Label17");
    Label18 = build.get<QLabel>("Label18");
    Label19 = build.get<QLabel>("Label19");
    m_rows = build.results();
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
