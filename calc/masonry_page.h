// The brick masonry page.
//
//   Edit1  wall length along the perimeter, m, click-to-empty
//   Edit2  wall height along the perimeter, m, click-to-empty
//   Edit3  masonry thickness, m, read-only; the thickness text is written by the tree routing
//   Edit4  total length of the window openings, m, click-to-empty
//   Edit5  total height of the window openings, m, click-to-empty
//   Edit6  total length of the door openings, m, click-to-empty
//   Edit7  total height of the door openings, m, click-to-empty
//   Label23 volume, Label17 bricks, Label18 mortar, Label19 wooden plugs (captions Label22,
//   Label13, Label14, Label15)
//   BitBtn8 Clear, BitBtn9 Calculate
#pragma once

#include "navigation/section_nodes.h"

#include "calc/page_kit.h"

#include <QWidget>

#include <functional>

class CalculationLog;

class MasonryPage : public CalculatorPage {
    Q_OBJECT
public:
    static constexpr Page kPage = Page::Masonry;

    // `selectedNode` answers which tree node is selected (-1 for none).
    MasonryPage(CalculationLog &log, std::function<int()> selectedNode, QWidget *parent = nullptr);

    void BitBtn9Click(); // Calculate
    void BitBtn8Click(); // Clear

    InputField *Edit1, *Edit2, *Edit4, *Edit5, *Edit6, *Edit7;
    QLineEdit *Edit3;
    QLabel *Label23, *Label17, *Label18, *Label19;
    QPushButton *BitBtn8, *BitBtn9;

private:
    std::function<int()> m_selectedNode;
    std::vector<ResultRow> m_rows; // volume, bricks, mortar, plugs
};
