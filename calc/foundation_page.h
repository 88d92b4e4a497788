// The column foundation page.
//
//   Edit8, Edit9, Edit10  length, width, height of the foundation, m, click-to-empty
//   Label35  the volume, written only by the link Label36 "Нажать для расчета"
//   RadioGroup1  the five volume classes, none chosen at start
//   Label30, Label37..Label41  concrete, formwork panels, boards, nails, wire, grease
//   (captions Label24..Label29)
//   BitBtn1 Clear, BitBtn2 Calculate
#pragma once

#include "navigation/section_nodes.h"

#include "calc/page_kit.h"

#include <QWidget>

class CalculationLog;

// A label drawn as a link: blue, underlined, hand pointer; a click, Enter or Space activates it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override; // with a focus mark while it has the focus
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

class FoundationPage : public CalculatorPage {
    Q_OBJECT
public:
    static constexpr Page kPage = Page::Foundation;

    explicit FoundationPage(CalculationLog &log, QWidget *parent = nullptr);

    void Label36Click(); // the volume link
    void BitBtn2Click(); // Calculate
    void BitBtn1Click(); // Clear

    InputField *Edit8, *Edit9, *Edit10;
    QLabel *Label35;
    LinkLabel *Label36;
    QGroupBox *RadioGroup1;
    QButtonGroup *classes;
    QLabel *Label30, *Label37, *Label38, *Label39, *Label40, *Label41;
    QPushButton *BitBtn1, *BitBtn2;

private:
    std::vector<ResultRow> m_rows;
};
