// The surface painting page (iron red lead, one or two coats).
//
//   Edit13  length (or width) of the surface, m, click-to-empty
//   Edit14  width (or height) of the surface, m, click-to-empty
//   Label104 area; RadioGroup3 one coat / two coats, always one chosen
//   Label69 drying oil and Label70 ground paints for oiling; Label71 paint composition,
//   Label72 red lead, Label73 drying oil and Label74 rags for painting
//   BitBtn5 Clear, BitBtn6 Calculate
#pragma once

#include "navigation/section_nodes.h"

#include "calc/page_kit.h"

#include <QWidget>

class CalculationLog;

class PaintingPage : public CalculatorPage {
    Q_OBJECT
public:
    static constexpr Page kPage = Page::Painting;

    explicit PaintingPage(CalculationLog &log, QWidget *parent = nullptr);

    // Calculate. The routine keeps its historical name BitBtn4Click although it is bound to this
    // page's BitBtn6 (BitBtn4 is the sowing page's Calculate button); do not rename one to match.
    void BitBtn4Click();
    void BitBtn5Click(); // Clear

    InputField *Edit13, *Edit14;
    QLabel *Label104, *Label69, *Label70, *Label71, *Label72, *Label73, *Label74;
    QGroupBox *RadioGroup3;
    QButtonGroup *coats;
    QPushButton *BitBtn5, *BitBtn6;

private:
    std::vector<ResultRow> m_rows; // area, oiling (2), painting (4), top to bottom
};
