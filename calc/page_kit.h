// Pieces every calculator page is built from: click-to-empty inputs, result rows, the
// Clear/Calculate pair, and the designer names that tests and routines find widgets by.
#pragma once

#include "app/designer_names.h"
#include "app/error_report.h"
#include "calc/calculation.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <initializer_list>
#include <optional>
#include <vector>

class CalculationLog;
class QButtonGroup;
class QGridLayout;
class QGroupBox;

// An input field: single line, flat with a thin bevel. With click-to-empty, every mouse click
// in it empties the text (also a click that only places the caret); keyboard focus leaves the
// text alone.
class InputField : public QLineEdit {
    Q_OBJECT
public:
    explicit InputField(const QString &text, QWidget *parent = nullptr);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A material caption and, to its right, its result field (hidden until Calculate shows it).
struct ResultRow {
    QLabel *caption = nullptr;
    QLabel *value = nullptr;

    void show(const QString &text) const;
};

// The least room between a result caption and its value.
constexpr int kCaptionGap = 12;

// A calculator page: shows a calculation's results in its rows and writes its log lines, and
// remembers the calculation it shows for the statement of materials.
class CalculatorPage : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorPage(CalculationLog &log, QWidget *parent = nullptr);

    // The last successful calculation, while the page shows its results; nullptr after Clear,
    // a failed Calculate, or before the first.
    const Calculation *shownCalculation() const { return m_shown ? &*m_shown : nullptr; }

signals:
    void shownCalculationChanged();

protected:
    // Calculate starts: until it succeeds the page offers no calculation.
    void forget();
    // Shows every result in its row (results of row -1 have none) and appends the log lines.
    void present(const Calculation &calculation, const std::vector<ResultRow> &rows);

    CalculationLog &m_log;

private:
    std::optional<Calculation> m_shown;
};

// Adds a result row to the grid at `row`; the result label becomes accessible by its caption.
// The grid keeps at least kCaptionGap between its columns.
ResultRow addResultRow(QGridLayout *grid, int row, const QString &caption, QLabel *value);

// Adds "caption | field" to the grid; the caption is the field's buddy.
void addInputRow(QGridLayout *grid, int row, const QString &caption, QLineEdit *field);

// A tooltip text broken into lines no wider than `width` pixels in the tooltip font; its own
// line breaks stay.
QString wrappedToolTip(const QString &text, int width = 400);

// A bold heading without a field.
QLabel *boldLabel(const QString &text, QWidget *parent = nullptr);

// Clear "&Очистить" and Calculate "&Расчет", 75 by 25, with the pencil and calculator pictures
// unless `plain` (the underlayer page's buttons carry none).
QPushButton *makeClearButton(QWidget *parent, bool plain = false);
QPushButton *makeCalculateButton(QWidget *parent, bool plain = false);

// Lays the pair out at the bottom right: Clear on the left.
QLayout *buttonPairLayout(QPushButton *clear, QPushButton *calculate);

// Enter in any of the fields presses the button (the page's Calculate).
void pressOnEnter(std::initializer_list<QLineEdit *> fields, QPushButton *button);

// Hides every row's result field.
void hideResults(const std::vector<ResultRow> &rows);

// A radio group: a captioned box of exclusive radio buttons in one column, ids 0, 1, ...
struct RadioGroup {
    QGroupBox *box = nullptr;
    QButtonGroup *buttons = nullptr;
};
RadioGroup makeRadioGroup(const QString &title, const QStringList &items, QWidget *parent);

// One row of a page's group, top to bottom: a field with its caption (click-to-empty, or
// read-only), a result with its caption, a bold heading, or a plain line of text.
struct PageRow {
    enum Kind { Input, ReadOnlyInput, Result, Heading, Text };
    Kind kind;
    QString caption;
    const char *name = nullptr; // designer name of the field or the result label
    const char *captionName = nullptr; // designer name of the caption label, where it has one
    const char16_t *initial = u"0"; // a field's first text
};

// Builds a calculator page from rows: creates the widgets, names them (objectName = designer
// name), lays them out (groups top to bottom, the Clear/Calculate pair at the bottom right) and
// wires them (a click empties a click-to-empty field, Enter in any field presses Calculate, the
// buttons run the page's routines through the error guard).
class PageBuilder {
public:
    struct Group {
        QGroupBox *box;
        QGridLayout *grid;
    };

    explicit PageBuilder(CalculatorPage *page);

    // A captioned group of rows in a grid; the results' rows are kept in order for the page.
    Group group(const QString &title, const std::vector<PageRow> &rows);
    // A group of exclusive radio items, named.
    RadioGroup radios(const QString &title, const QStringList &items, const char *name);

    // A widget the builder made, by designer name.
    template <typename Widget> Widget *get(const char *name) const
    {
        return m_page->findChild<Widget *>(QLatin1String(name));
    }
    const std::vector<ResultRow> &results() const { return m_results; }

    // Lays the parts out top to bottom with the button pair under them and wires the page.
    template <typename Page>
    void finish(std::initializer_list<QWidget *> parts, QPushButton *&clear, const char *clearName,
        void (Page::*clearRoutine)(), QPushButton *&calculate, const char *calculateName,
        void (Page::*calculateRoutine)())
    {
        auto *page = static_cast<Page *>(m_page);
        clear = makeClearButton(m_page);
        calculate = makeCalculateButton(m_page);
        clear->setObjectName(QLatin1String(clearName));
        calculate->setObjectName(QLatin1String(calculateName));
        layOut(parts, clear, calculate);
        QObject::connect(calculate, &QPushButton::clicked, m_page,
            guarded([page, calculateRoutine] { (page->*calculateRoutine)(); }));
        QObject::connect(clear, &QPushButton::clicked, m_page,
            guarded([page, clearRoutine] { (page->*clearRoutine)(); }));
    }

private:
    void layOut(std::initializer_list<QWidget *> parts, QPushButton *clear, QPushButton *calculate);

    CalculatorPage *m_page;
    std::vector<ResultRow> m_results;
    std::vector<QLineEdit *> m_fields; // every field, in order
};
