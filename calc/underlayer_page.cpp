// The floor underlayer page: choose a kind, type the volume, compute every material of the kind.
#include "calc/underlayer_page.h"
#include "log/calculation_log.h"
#include "navigation/routing.h"
#include "navigation/section_nodes.h"

#include "app/error_report.h"
#include "calc/underlayer.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
// The rows lie 16 pixels apart, the first one clear of the group's caption and frame.
constexpr int kFirstRowTop = 22;

// Designer names of the twelve rows: caption label, result label.
constexpr std::array<std::pair<const char *, const char *>, kUnderlayerRows> kRowNames { {
    { "Label79", "Label90" },
    { "Label80", "Label91" },
    { "Label81", "Label92" },
    { "Label82", "Label93" },
    { "Label83", "Label94" },
    { "Label84", "Label95" },
    { "Label85", "Label96" },
    { "Label86", "Label97" },
    { "Label87", "Label98" },
    { "Label88", "Label99" },
    { "Label89", "Label100" },
    { "Label101", "Label102" },
} };
} // namespace

UnderlayerPage::UnderlayerPage(CalculationLog &log, QWidget *parent)
    : CalculatorPage(log, parent)
{
    // The buttons come first: the page's keyboard order starts at Calculate.
    Button1 = makeCalculateButton(this, true);
    Button1->move(248, 496);
    Button2 = makeClearButton(this, true);
    Button2->move(168, 496);

    QStringList items;
    for (const UnderlayerKind &k : kUnderlayerKindTable)
        items << QString::fromUtf16(k.item);
    const RadioGroup kinds = makeRadioGroup(u"Устройство подстилающего слоя"_s, items, this);
    RadioGroup4 = kinds.box;
    RadioGroup4->setGeometry(8, 8, 313, 225);
    m_kinds = kinds.buttons;
    for (int k = 0; k < kUnderlayerKinds; ++k)
        m_kindButtons[k] = static_cast<QRadioButton *>(m_kinds->button(k));

    Label20 = new QLabel(QString::fromUtf16(kUnderlayerVolumeCaption), this);
    Label20->move(24, 248);
    Edit15 = new QLineEdit(u"1"_s, this);
    Edit15->setGeometry(176, 243, 57, 22);
    Edit15->setAccessibleName(Label20->text());
    Label20->setBuddy(Edit15);
    Label78 = new QLabel(QString::fromUtf16(kUnderlayerVolumeUnit), this);
    Label78->move(240, 248);

    GroupBox8 = new QGroupBox(u"Материалы"_s, this);
    GroupBox8->setGeometry(8, 272, 313, 217);
    for (int row = 0; row < kUnderlayerRows; ++row) {
        const QString caption = QString::fromUtf16(kUnderlayerRowCaptions[row]);
        auto *captionLabel = new QLabel(caption, GroupBox8);
        captionLabel->move(24, kFirstRowTop + 16 * row);
        captionLabel->setObjectName(QLatin1String(kRowNames[row].first));
        auto *value = new QLabel(u"0,00"_s, GroupBox8);
        value->move(240, kFirstRowTop + 16 * row);
        value->setObjectName(QLatin1String(kRowNames[row].second));
        value->setAccessibleDescription(caption);
        value->setVisible(false);
        m_rows.push_back({ captionLabel, value });
    }

    NAME_WIDGET(RadioGroup4);
    NAME_WIDGET(Edit15);
    NAME_WIDGET(Label20);
    NAME_WIDGET(Label78);
    NAME_WIDGET(GroupBox8);
    NAME_WIDGET(Button1);
    NAME_WIDGET(Button2);

    setTabOrder(Button1, m_kindButtons.front());
    for (int k = 1; k < kUnderlayerKinds; ++k)
        setTabOrder(m_kindButtons[k - 1], m_kindButtons[k]);
    setTabOrder(m_kindButtons.back(), Edit15);
    setTabOrder(Edit15, Button2);

    // Only a change to another kind runs the choice routine: toggling on a new item.
    connect(m_kinds, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            runGuarded([this, id] { RadioGroup4Click(id); });
    });
    pressOnEnter({ Edit15 }, Button1);
    connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, guarded([this] { Button2Click(); }));
}

int UnderlayerPage::chosenKind() const
{
    return m_kinds->checkedId();
}

void UnderlayerPage::resetResults()
{
    for (const ResultRow &row : m_rows) {
        row.value->setText(u"0.00"_s);
        row.value->setVisible(false);
    }
}

void UnderlayerPage::RadioGroup4Click(int kind)
{
    m_log.append(QString::fromUtf16(kUnderlayerKindTable.at(kind).selectionLine));
    resetResults();
    forget();
}

void UnderlayerPage::Button1Click()
{
    const int kind = chosenKind();
    if (kind < 0)
        return;
    forget();
    const Extended volume = ReadNumber(Edit15->text());
    // Every quantity is stored before anything is shown, so an overflow changes nothing.
    const std::vector<UnderlayerQuantity> quantities = computeUnderlayer(kind, volume);
    present(underlayerCalculation(nodeText(kUnderlayerNode), kind, Edit15->text(), volume,
                quantities, decimalSeparator()),
        m_rows);
}

void UnderlayerPage::Button2Click()
{
    // Unchecking needs the group's exclusivity off for a moment; it is no choice of a kind.
    if (QAbstractButton *checked = m_kinds->checkedButton()) {
        m_kinds->setExclusive(false);
        checked->setChecked(false);
        m_kinds->setExclusive(true);
    }
    Edit15->setText(u"1"_s);
    resetResults();
    forget();
}
