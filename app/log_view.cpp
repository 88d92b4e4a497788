// The log area: scrolls by whole lines and wraps only the lines it shows.
#include "app/log_view.h"

#include "log/calculation_log.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>

namespace {
constexpr int kMargin = 4;
constexpr int kWrap = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
} // namespace

LogView::LogView(const CalculationLog &log, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_log(log)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
    updateScrollRange();
}

QString LogView::toPlainText() const
{
    return m_log.lines().join(u'\n');
}

int LogView::firstShownLine() const
{
    return verticalScrollBar()->value();
}

int LogView::textWidth() const
{
    return std::max(1, viewport()->width() - 2 * kMargin);
}

int LogView::lineHeight(int line) const
{
    if (m_heights.size() < static_cast<size_t>(m_log.lines().size()))
        m_heights.resize(m_log.lines().size(), 0);
    int &height = m_heights[line];
    if (height == 0) {
        const QString &text = m_log.lines().at(line);
        const QFontMetrics fm = fontMetrics();
        height = text.isEmpty() || fm.horizontalAdvance(text) <= textWidth()
            ? fm.lineSpacing()
            : fm.boundingRect(QRect(0, 0, textWidth(), 1 << 20), kWrap, text).height();
    }
    return height;
}

void LogView::updateScrollRange()
{
    // The last top line at which the end of the log still fills the area: found by walking back
    // from the last line, so it costs the few lines that fit, however long the log is.
    const int count = static_cast<int>(m_log.lines().size());
    const int available = viewport()->height() - 2 * kMargin;
    int top = count - 1;
    int used = count > 0 ? lineHeight(top) : 0;
    while (top > 0) {
        const int h = lineHeight(top - 1);
        if (used + h > available)
            break;
        used += h;
        --top;
    }
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, std::max(0, top));
    bar->setPageStep(std::max(1, count - top));
}

void LogView::lineAppended()
{
    updateScrollRange();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void LogView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        m_heights.assign(m_heights.size(), 0); // wrapped anew at the new width
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    updateScrollRange();
    if (atEnd)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void LogView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const QStringList &lines = m_log.lines();
    int y = kMargin;
    const QFontMetrics fm = fontMetrics();
    for (int i = firstShownLine(); i < lines.size() && y < viewport()->height(); ++i) {
        const int height = lineHeight(i);
        if (height == fm.lineSpacing()) // one display row: no wrapping to lay out
            painter.drawText(kMargin, y + fm.ascent(), lines[i]);
        else
            painter.drawText(QRect(kMargin, y, textWidth(), height), kWrap, lines[i]);
        y += height;
    }
}
