// The grass sowing page.
//
//   Edit11, Edit12  length and width of the site, m, click-to-empty
//   RadioGroup2  sowing by hand / with machines / by hydroseeding, none chosen at start
//   Label54 turf, Label55 wooden pegs, Label56 grass seeds, Label57 topsoil, Label58 fertilisers,
//   Label59 bitumen emulsion, Label45 latex emulsion, Label47 sawdust
//   BitBtn3 Clear, BitBtn4 Calculate
#pragma once

#include "navigation/section_nodes.h"

#include "calc/page_kit.h"

#include <QWidget>

class CalculationLog;

class SowingPage : public CalculatorPage {
    Q_OBJECT
public:
    static constexpr Page kPage = Page::Sowing;

    explicit SowingPage(CalculationLog &log, QWidget *parent = nullptr);

    void BitBtn4Click(); // Calculate
    void BitBtn3Click(); // Clear

    InputField *Edit11, *Edit12;
    QGroupBox *RadioGroup2;
    QButtonGroup *works;
    QLabel *Label54, *Label55, *Label56, *Label57, *Label58, *Label59, *Label45, *Label47;
    QPushButton *BitBtn3, *BitBtn4;

private:
    std::vector<ResultRow> m_rows;
};
