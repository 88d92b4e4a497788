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
    auto *dimensions = new QGroupBox(u"Размеры конструкции"_s, this);
    auto *dimGrid = new QGridLayout(dimensions);
    Edit8 = new InputField(u"0"_s);
    Edit9 = new InputField(u"0"_s);
    Edit10 = new InputField(u"0"_s);
    addInputRow(dimGrid, 0, QString::fromUtf16(kFoundationInputCaptions[0]), Edit8);
    addInputRow(dimGrid, 1, QString::fromUtf16(kFoundationInputCaptions[1]), Edit9);
    addInputRow(dimGrid, 2, QString::fromUtf16(kFoundationInputCaptions[2]), Edit10);
    auto *volumeLine = new QHBoxLayout;
    volumeLine->addWidget(boldLabel(u"Расчет объема, м3 - "_s));
    Label35 = new QLabel(u"0"_s);
    Label35->setAccessibleDescription(u"Расчет объема, м3"_s);
    volumeLine->addWidget(Label35);
    volumeLine->addStretch(1);
    Label36 = new LinkLabel(u"Нажать для расчета"_s);
    volumeLine->addWidget(Label36);
    dimGrid->addLayout(volumeLine, 3, 0, 1, 2);

    const RadioGroup kinds = makeRadioGroup(u"Устройство бетонных (ж.б) фундаментов под колонны"_s,
        { u"Объмом до 3 м3, опалубка"_s, u"Объемом до 5 м3, опалубка"_s,
            u"Объемом более 5м3, опалубка"_s, u"Объемом до 25 м3, опалубка"_s,
            u"Объемом более 25 м3, опалубка"_s },
        this);
    RadioGroup1 = kinds.box;
    classes = kinds.buttons;

    auto *materials = new QGroupBox(u"Материалы"_s, this);
    materials->setToolTip(wrappedToolTip(
        u"Бетон: объем фундамента с потерями при укладке 1,5 % (нормы расхода для монолитного "
        u"бетона).\nОпалубка считается по площади боковых граней: щиты - вся площадь; доски, "
        u"гвозди, проволока и смазка - типовые производственные показатели на 1 м2 опалубки."_s));
    auto *matGrid = new QGridLayout(materials);
    matGrid->setColumnStretch(1, 1);
    Label30 = new QLabel;
    Label37 = new QLabel;
    Label38 = new QLabel;
    Label39 = new QLabel;
    Label40 = new QLabel;
    Label41 = new QLabel;
    QLabel *values[] = { Label30, Label37, Label38, Label39, Label40, Label41 };
    for (int i = 0; i < kFoundationMaterials; ++i) {
        m_rows.push_back(
            addResultRow(matGrid, i, QString::fromUtf16(kFoundationResultCaptions[i]), values[i]));
        m_rows.back().caption->setObjectName(u"Label%1"_s.arg(24 + i));
    }

    BitBtn1 = makeClearButton(this);
    BitBtn2 = makeCalculateButton(this);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(dimensions);
    page->addWidget(RadioGroup1);
    page->addWidget(materials);
    page->addStretch(1);
    page->addLayout(buttonPairLayout(BitBtn1, BitBtn2));

    NAME_WIDGET(Edit8);
    NAME_WIDGET(Edit9);
    NAME_WIDGET(Edit10);
    NAME_WIDGET(Label35);
    NAME_WIDGET(Label36);
    NAME_WIDGET(RadioGroup1);
    NAME_WIDGET(Label30);
    NAME_WIDGET(Label37);
    NAME_WIDGET(Label38);
    NAME_WIDGET(Label39);
    NAME_WIDGET(Label40);
    NAME_WIDGET(Label41);
    NAME_WIDGET(BitBtn1);
    NAME_WIDGET(BitBtn2);

    for (InputField *edit : { Edit8, Edit9, Edit10 })
        connect(edit, &InputField::clicked, edit, &QLineEdit::clear); // Edit8Click ... Edit10Click
    pressOnEnter({ Edit8, Edit9, Edit10 }, BitBtn2);
    connect(Label36, &LinkLabel::clicked, this, guarded([this] { Label36Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, guarded([this] { BitBtn2Click(); }));
    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { BitBtn1Click(); }));
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
    const FoundationResult r = computeFoundation(length, width, height);
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
