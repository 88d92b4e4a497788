// The log area (Memo2): shows the calculation log's lines, read-only, wrapped at the area's
// width, with a vertical scroll bar.
//
// It draws straight from the log's own list of lines and lays out only the lines on screen, so
// appending a line costs the same at the end of a long day as at its start, and the text is held
// once, by the log.
#pragma once

#include <QAbstractScrollArea>

#include <vector>

class CalculationLog;

class LogView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LogView(const CalculationLog &log, QWidget *parent = nullptr);

    // The log gained a line at its end: show it (the view scrolls to the last line).
    void lineAppended();

    // The shown text, lines joined by line feeds.
    QString toPlainText() const;

    // Index of the first line on screen.
    int firstShownLine() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int textWidth() const;
    int lineHeight(int line) const; // height of a line wrapped at the area's width
    void updateScrollRange(); // the last lines fill the area when scrolled to the end

    const CalculationLog &m_log;
    mutable std::vector<int> m_heights; // wrapped height per line at the current width, 0: unknown
};
