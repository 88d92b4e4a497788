// The column foundation page: the volume link and the material computation.
#include "calc/foundation_page.h"
#include "navigation/routing.h"
#include "navigation/section_nodes.h"

#include "app/error_report.h"
#include "calc/foundation.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus mark: the style's dotted frame around the link's text.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

FoundationPage::FoundationPage(CalculationLog &log, QWidget *parent)
    : CalculatorPage(log, parent)
{
    const auto input = [](int i) { return QString::fromUtf16(kFoundationInputCaptions[i]); };
    const auto result = [](int i) { return QString::fromUtf16(kFoundationResultCaptions[i]); };
    PageBuilder build(this);
    const PageBuilder::Group dimensions = build.group(u"Размеры конструкции"_s,
        {
            { PageRow::Input, input(0), "Edit8" },
            { PageRow::Input, input(1), "Edit9" },
            { PageRow::Input, input(2), "Edit10" },
        });
    // The volume line: its value and the link that computes it.
    auto *volumeLine = new QHBoxLayout;
    volumeLine->addWidget(boldLabel(u"Расчет объема, м3 - "_s));
    Label35 = new QLabel(u"0"_s);
    Label35->setAccessibleDescription(u"Расчет объема, м3"_s);
    volumeLine->addWidget(Label35);
    volumeLine->addStretch(1);
    Label36 = new LinkLabel(u"Нажать для расчета"_s);
    volumeLine->addWidget(Label36);
    dimensions.grid->addLayout(volumeLine, 3, 0, 1, 2);
    NAME_WIDGET(Label35);
    NAME_WIDGET(Label36);

    const RadioGroup kinds = build.radios(u"Устройство бетонных (ж.б) фундаментов под колонны"_s,
        { u"Объмом до 3 м3, опалубка"_s, u"Объемом до 5 м3, опалубка"_s,
            u"Объемом более 5м3, опалубка"_s, u"Объемом до 25 м3, опалубка"_s,
            u"Объемом более 25 м3, опалубка"_s },
        "RadioGroup1");
    RadioGroup1 = kinds.box;
    classes = kinds.buttons;

    const PageBuilder::Group materials = build.group(u"Материалы"_s,
        {
            { PageRow::Result, result(0), "Label30", "Label24" },
            { PageRow::Result, result(1), "Label37", "Label25" },
            { PageRow::Result, result(2), "Label38", "Label26" },
            { PageRow::Result, result(3), "Label39", "Label27" },
            { PageRow::Result, result(4), "Label40", "Label28" },
            { PageRow::Result, result(5), "Label41", "Label29" },
        });
    materials.grid->setColumnStretch(1, 1);
    materials.box->setToolTip(wrappedToolTip(
        u"Бетон: объем фундамента с потерями при укладке 1,5 % (нормы расхода для монолитного "
        u"бетона).\nОпалубка считается по площади боковых граней: щиты - вся площадь; доски, "
        u"гвозди, проволока и смазка - типовые производственные показатели на 1 м2 опалубки."_s));
    build.finish({ dimensions.box, RadioGroup1, materials.box }, BitBtn1, "BitBtn1",
        &FoundationPage::BitBtn1Click, BitBtn2, "BitBtn2", &FoundationPage::BitBtn2Click);

    Edit8 = build.get<InputField>("Edit8");
    Edit9 = build.get<InputField>("Edit9");
    Edit10 = build.get<InputField>("Edit10");
    Label30 = build.get<QLabel>("Label30");
    Label37 = build.get<QLabel>("Label37");
    Label38 = build.get<QLabel>("Label38");
    Label39 = build.get<QLabel>("Label39");
    Label40 = build.get<QLabel>("Label40");
    Label41 = build.get<QLabel>("Label41");
    m_rows = build.results();
    connect(Label36, &LinkLabel::clicked, this, guarded([this] { Label36Click(); }));
}

void FoundationPage::Label36Click()
{
    const Extended length = ReadNumber(Edit8->text());
    const Extended width = ReadNumber(Edit9->text());
    const Extended height = ReadNumber(Edit10->text());
    Label35->setText(FormatResult(foundationVolume(length, width, height), 4));
}

void FoundationPage::BitBtn2Click()
{
    // The material computation: nothing on the page or in the log changes before the last
    // check has passed.
    forget();
    const int chosen = classes->checkedId();
    if (chosen < 0)
        throw AppError(u"Выберите вид работ: устройство фундаментов под колонны"_s);
    const Extended length = ReadNumber(Edit8->text());
    const Extended width = ReadNumber(Edit9->text());
    const Extended height = ReadNumber(Edit10->text());
    // The class is checked on the volume alone, before any material quantity is stored (a
    // huge volume outside the class is that error, not an overflow of its concrete).
    const double volume = foundationVolume(length, width, height);
    if (!volumeFitsClass(volume, chosen))
        throw AppError(u"Объем фундамента %1 м3 не соответствует выбранному виду работ"_s.arg(
            FormatResult(volume, 4)));
    const FoundationResult r = foundationMaterials(volume, length, width, height);
    present(foundationCalculation(nodeText(kFoundationNode),
                { Edit8->text(), Edit9->text(), Edit10->text() }, classes->button(chosen)->text(),
                r, decimalSeparator()),
        m_rows);
}

void FoundationPage::BitBtn1Click()
{
    hideResults(m_rows);
    forget();
}
