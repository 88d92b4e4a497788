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
    const auto result = [](int i) { return QString::fromUtf16(kSowingResultCaptions[i]); };
    PageBuilder build(this);
    const PageBuilder::Group sizes = build.group(u"Размеры площадки"_s,
        {
            { PageRow::Input, QString::fromUtf16(kSowingInputCaptions[0]), "Edit11" },
            { PageRow::Input, QString::fromUtf16(kSowingInputCaptions[1]), "Edit12" },
        });
    const RadioGroup kinds = build.radios(u"Перечень работ"_s,
        { u"Посев трав в ручную"_s, u"Посев трав с помощью механизмов"_s,
            u"Посев трав гидропосевом, 1000 м2"_s },
        "RadioGroup2");
    RadioGroup2 = kinds.box;
    works = kinds.buttons;
    const PageBuilder::Group materials = build.group(u"Материалы"_s,
        {
            { PageRow::Result, result(0), "Label54" },
            { PageRow::Result, result(1), "Label55" },
            { PageRow::Result, result(2), "Label56" },
            { PageRow::Result, result(3), "Label57" },
            { PageRow::Result, result(4), "Label58" },
            { PageRow::Result, result(5), "Label59" },
            { PageRow::Result, result(6), "Label45" },
            { PageRow::Result, result(7), "Label47" },
        });
    materials.grid->setColumnStretch(1, 1);
    materials.box->setToolTip(wrappedToolTip(
        u"Расход на 1 м2 участка. Посев вручную: семена 20 кг на 1000 м2 (государственная "
        u"норма).\nПосев механизмами и гидропосев: типовые производственные показатели."_s));
    build.finish({ sizes.box, RadioGroup2, materials.box }, BitBtn3, "BitBtn3",
        &SowingPage::BitBtn3Click, BitBtn4, "BitBtn4", &SowingPage::BitBtn4Click);

    Edit11 = build.get<InputField>("Edit11");
    Edit12 = build.get<InputField>("Edit12");
    Label54 = build.get<QLabel>("Label54");
    Label55 = build.get<QLabel>("Label55");
    Label56 = build.get<QLabel>("Label56");
    Label57 = build.get<QLabel>("Label57");
    Label58 = build.get<QLabel>("Label58");
    Label59 = build.get<QLabel>("Label59");
    Label45 = build.get<QLabel>("Label45");
    Label47 = build.get<QLabel>("Label47");
    m_rows = build.results();
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
