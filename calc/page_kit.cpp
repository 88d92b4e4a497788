// Shared calculator page pieces.
#include "calc/page_kit.h"

#include "log/calculation_log.h"
#include "resources/pictures.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolTip>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

InputField::InputField(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
{
    setFixedWidth(72);
}

void InputField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ResultRow::show(const QString &text) const
{
    value->setText(text);
    value->setVisible(true);
}

CalculatorPage::CalculatorPage(CalculationLog &log, QWidget *parent)
    : QWidget(parent)
    , m_log(log)
{
}

void CalculatorPage::forget()
{
    if (!m_shown)
        return;
    m_shown.reset();
    emit shownCalculationChanged();
}

void CalculatorPage::present(const Calculation &calculation, const std::vector<ResultRow> &rows)
{
    for (const CalculationResult &r : calculation.results) {
        if (r.row >= 0)
            rows.at(static_cast<std::size_t>(r.row)).show(r.text);
    }
    for (const QString &line : calculation.logLines())
        m_log.append(line);
    m_shown = calculation;
    emit shownCalculationChanged();
}

ResultRow addResultRow(QGridLayout *grid, int row, const QString &caption, QLabel *value)
{
    auto *captionLabel = new QLabel(caption);
    if (grid->horizontalSpacing() < kCaptionGap)
        grid->setHorizontalSpacing(kCaptionGap);
    value->setVisible(false);
    value->setAccessibleDescription(caption);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(value, row, 1);
    return { captionLabel, value };
}

void addInputRow(QGridLayout *grid, int row, const QString &caption, QLineEdit *field)
{
    auto *label = new QLabel(caption);
    label->setBuddy(field);
    field->setAccessibleName(caption);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

QString wrappedToolTip(const QString &text, int width)
{
    const QFontMetrics fm(QToolTip::font());
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        QString line;
        for (const QString &word : paragraph.split(u' ')) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && fm.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines.join(u'\n');
}

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

namespace {
QPushButton *makeButton(QWidget *parent, const QString &caption, const QString &picture, bool plain)
{
    auto *button = new QPushButton(caption, parent);
    button->setFixedSize(75, 25);
    if (!plain) {
        button->setIcon(loadIconWithDisabled(picture));
        button->setIconSize(QSize(16, 16));
    }
    return button;
}
} // namespace

QPushButton *makeClearButton(QWidget *parent, bool plain)
{
    return makeButton(parent, u"&Очистить"_s, u"pencil"_s, plain);
}

QPushButton *makeCalculateButton(QWidget *parent, bool plain)
{
    return makeButton(parent, u"&Расчет"_s, u"calculator"_s, plain);
}

QLayout *buttonPairLayout(QPushButton *clear, QPushButton *calculate)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(clear);
    row->addWidget(calculate);
    return row;
}

void pressOnEnter(std::initializer_list<QLineEdit *> fields, QPushButton *button)
{
    for (QLineEdit *field : fields)
        QObject::connect(field, &QLineEdit::returnPressed, button, &QPushButton::click);
}

void hideResults(const std::vector<ResultRow> &rows)
{
    for (const ResultRow &r : rows)
        r.value->setVisible(false);
}

PageBuilder::PageBuilder(CalculatorPage *page)
    : m_page(page)
{
}

PageBuilder::Group PageBuilder::group(const QString &title, const std::vector<PageRow> &rows)
{
    Group g { new QGroupBox(title, m_page), nullptr };
    g.grid = new QGridLayout(g.box);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const PageRow &r = rows[static_cast<std::size_t>(row)];
        switch (r.kind) {
        case PageRow::Input:
        case PageRow::ReadOnlyInput: {
            QLineEdit *field = nullptr;
            if (r.kind == PageRow::Input) {
                auto *input = new InputField(QString::fromUtf16(r.initial));
                QObject::connect(input, &InputField::clicked, input, &QLineEdit::clear);
                field = input;
            } else {
                field = new QLineEdit(QString::fromUtf16(r.initial));
                field->setReadOnly(true);
                field->setFixedWidth(72);
            }
            field->setObjectName(QLatin1String(r.name));
            addInputRow(g.grid, row, r.caption, field);
            m_fields.push_back(field);
            break;
        }
        case PageRow::Result: {
            auto *value = new QLabel;
            value->setObjectName(QLatin1String(r.name));
            m_results.push_back(addResultRow(g.grid, row, r.caption, value));
            if (r.captionName)
                m_results.back().caption->setObjectName(QLatin1String(r.captionName));
            break;
        }
        case PageRow::Heading:
            g.grid->addWidget(boldLabel(r.caption), row, 0);
            break;
        case PageRow::Text:
            g.grid->addWidget(new QLabel(r.caption), row, 0);
            break;
        }
    }
    return g;
}

RadioGroup PageBuilder::radios(const QString &title, const QStringList &items, const char *name)
{
    const RadioGroup g = makeRadioGroup(title, items, m_page);
    g.box->setObjectName(QLatin1String(name));
    return g;
}

void PageBuilder::layOut(
    std::initializer_list<QWidget *> parts, QPushButton *clear, QPushButton *calculate)
{
    auto *page = new QVBoxLayout(m_page);
    page->setContentsMargins(8, 8, 8, 8);
    for (QWidget *part : parts)
        page->addWidget(part);
    page->addStretch(1);
    page->addLayout(buttonPairLayout(clear, calculate));
    for (QLineEdit *field : m_fields)
        QObject::connect(field, &QLineEdit::returnPressed, calculate, &QPushButton::click);
}

RadioGroup makeRadioGroup(const QString &title, const QStringList &items, QWidget *parent)
{
    RadioGroup g;
    g.box = new QGroupBox(title, parent);
    g.box->setAccessibleName(title);
    auto *column = new QVBoxLayout(g.box);
    column->setContentsMargins(8, 4, 8, 4);
    column->setSpacing(0);
    g.buttons = new QButtonGroup(g.box);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i]);
        g.buttons->addButton(button, i);
        column->addWidget(button);
    }
    return g;
}
