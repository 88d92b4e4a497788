// The floor underlayer page.
//
//   RadioGroup4  the ten kinds of underlayer, none chosen at start
//   Edit15       the volume, m3 ("1"; an ordinary field, a click does not empty it)
//   Label20      "Объем подстилающего слоя", Label78 "куб. метр(ов)": the volume log line
//   GroupBox8    twelve material rows: captions Label79..Label89, Label101; results
//                Label90..Label100, Label102 (row 8, clay and sand, never shows a result)
//   Button1      Calculate, Button2 Clear; tab order Calculate, kinds, volume, Clear
#pragma once

#include "navigation/section_nodes.h"

#include "calc/page_kit.h"

#include <QWidget>

#include <array>

class CalculationLog;
class QButtonGroup;
class QGroupBox;
class QRadioButton;

class UnderlayerPage : public CalculatorPage {
    Q_OBJECT
public:
    static constexpr Page kPage = Page::Underlayer;

    explicit UnderlayerPage(CalculationLog &log, QWidget *parent = nullptr);

    void RadioGroup4Click(int kind); // a real change of kind
    void Button1Click(); // Calculate
    void Button2Click(); // Clear

    int chosenKind() const; // -1 when none is chosen

    QGroupBox *RadioGroup4;
    QLineEdit *Edit15;
    QLabel *Label20, *Label78;
    QGroupBox *GroupBox8;
    QPushButton *Button1, *Button2;

private:
    void resetResults();

    QButtonGroup *m_kinds;
    std::array<QRadioButton *, 10> m_kindButtons {};
    std::vector<ResultRow> m_rows; // the twelve material rows, top to bottom
};
