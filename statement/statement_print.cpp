// Page layout of the printed statement: rows are measured first, split into pages, then drawn.
#include "statement/statement_print.h"

#include "calc/materials.h"
#include "calc/number_rules.h"
#include "statement/statement.h"
#include "statement/statement_sheet.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <vector>

using namespace Qt::StringLiterals;

namespace {
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

// One table on paper: relative column widths, a header, and rows of cell texts.
struct PaperTable {
    std::vector<double> widths; // shares of the page width
    std::vector<bool> numbers; // columns of numbers, aligned right
    QStringList header;
    std::vector<QStringList> rows;
};

// The positions' table: the materials of a position are listed in one column, one per line,
// so that any number of materials fits the page's width.
PaperTable positionsTable(const Statement &statement, const StatementSheet &sheet)
{
    PaperTable t;
    t.widths = { 0.04, 0.17, 0.14, 0.23, 0.06, 0.1, 0.26 };
    t.numbers = { true, false, false, false, true, true, false };
    t.header = { u"№"_s, u"Работа"_s, u"Наименование"_s, u"Исходные данные"_s, u"Кол-во"_s,
        u"Объем работ"_s, u"Материалы"_s };
    const std::vector<int> used = statement.usedMaterials();
    const auto all = materials();
    for (const SheetRow &r : sheet.positions) {
        QStringList materialLines;
        for (std::size_t k = 0; k < used.size(); ++k) {
            const SheetCell &c = r[static_cast<std::size_t>(sheet.firstMaterialColumn) + k];
            if (!c.text.isEmpty())
                materialLines << QString::fromUtf16(all[used[k]].name) + u" — "_s + c.text + u' '
                        + QString::fromUtf16(all[used[k]].unit);
        }
        const QString work = r[5].text.isEmpty() ? QString() : r[5].text + u' ' + r[6].text;
        t.rows.push_back({ r[0].text, r[1].text, r[2].text, r[3].text, r[4].text, work,
            materialLines.join(u'\n') });
    }
    return t;
}

PaperTable totalsTable(const StatementSheet &sheet)
{
    PaperTable t;
    t.widths = { 0.5, 0.15, 0.35 };
    t.numbers = { false, false, true };
    t.header = sheet.totalsHeader;
    for (const SheetRow &r : sheet.totals)
        t.rows.push_back({ r[0].text, r[1].text, r[2].text });
    return t;
}

class StatementPainter {
public:
    StatementPainter(QPainter &painter, QPagedPaintDevice *device)
        : m_painter(painter)
        , m_device(device)
    {
        m_area = painter.viewport(); // the page less its margins
        m_body = QFont(u"Arial"_s, 8);
        m_bold = m_body;
        m_bold.setBold(true);
        m_title = m_body;
        m_title.setPointSize(14);
        m_title.setBold(true);
        m_padding = std::max(2, device->logicalDpiX() / 50);
    }

    // Row heights are measured once, for both passes.
    void measure(const PaperTable &positions, const PaperTable &totals)
    {
        for (const PaperTable *t : { &positions, &totals }) {
            std::vector<int> &heights = t == &positions ? m_positionHeights : m_totalHeights;
            heights.clear();
            for (const QStringList &row : t->rows)
                heights.push_back(rowHeight(*t, row, m_body));
        }
    }

    // Lays out and paints the whole statement; `pageCount` is known from a first, dry pass.
    int run(const StatementSheet &sheet, const PaperTable &positions, const PaperTable &totals,
        int pageCount, bool paint)
    {
        m_paint = paint;
        m_pageCount = pageCount;
        m_pageNumber = 1;
        m_y = m_area.top();
        m_painter.setFont(m_title);
        text(QRect(m_area.left(), m_y, m_area.width(), lineHeight(m_title) * 2), sheet.title,
            Qt::AlignLeft | Qt::AlignTop);
        m_y += lineHeight(m_title) + m_padding;
        m_painter.setFont(m_body);
        text(QRect(m_area.left(), m_y, m_area.width(), lineHeight(m_body) * 2), sheet.subtitle,
            Qt::AlignLeft | Qt::AlignTop);
        m_y += lineHeight(m_body) * 2;
        table(positions, m_positionHeights);
        m_y += lineHeight(m_body);
        if (m_y + lineHeight(m_bold) * 3 > bottom())
            newPage();
        m_painter.setFont(m_bold);
        text(QRect(m_area.left(), m_y, m_area.width(), lineHeight(m_bold) * 2), sheet.totalsTitle,
            Qt::AlignLeft | Qt::AlignTop);
        m_y += lineHeight(m_bold) + m_padding;
        table(totals, m_totalHeights);
        footer();
        return m_pageNumber;
    }

private:
    int lineHeight(const QFont &font) const { return QFontMetrics(font, m_device).lineSpacing(); }
    int bottom() const { return m_area.bottom() - 2 * lineHeight(m_body); }

    void text(const QRect &rect, const QString &s, int flags)
    {
        if (m_paint)
            m_painter.drawText(rect, flags, s);
    }

    void footer()
    {
        m_painter.setFont(m_body);
        text(QRect(m_area.left(), m_area.bottom() - lineHeight(m_body), m_area.width(),
                 lineHeight(m_body)),
            u"Страница %1 из %2"_s.arg(m_pageNumber).arg(m_pageCount),
            Qt::AlignHCenter | Qt::AlignBottom);
    }

    void newPage()
    {
        footer();
        if (m_paint)
            m_device->newPage();
        ++m_pageNumber;
        m_y = m_area.top();
    }

    std::vector<QRect> cells(const PaperTable &t, int height) const
    {
        std::vector<QRect> out;
        int x = m_area.left();
        for (std::size_t c = 0; c < t.widths.size(); ++c) {
            const int w = c + 1 == t.widths.size() ? m_area.right() - x
                                                   : static_cast<int>(m_area.width() * t.widths[c]);
            out.emplace_back(x, m_y, w, height);
            x += w;
        }
        return out;
    }

    // The lines of a text when each fits the width as it stands; empty when one needs wrapping.
    static QStringList fittingLines(const QString &s, const QFontMetrics &fm, int width)
    {
        const QStringList lines = s.split(u'\n');
        for (const QString &line : lines) {
            if (fm.horizontalAdvance(line) > width)
                return {};
        }
        return lines;
    }

    int rowHeight(const PaperTable &t, const QStringList &row, const QFont &font) const
    {
        const QFontMetrics fm(font, m_device);
        int height = fm.lineSpacing();
        const std::vector<QRect> rects = cells(t, 1);
        for (std::size_t c = 0; c < rects.size(); ++c) {
            const QString &s = row[static_cast<qsizetype>(c)];
            if (s.isEmpty())
                continue;
            const int width = rects[c].width() - 2 * m_padding;
            // Lines that fit need no layout.
            const QStringList lines = fittingLines(s, fm, width);
            height = std::max(height,
                !lines.isEmpty()
                    ? static_cast<int>(lines.size()) * fm.lineSpacing()
                    : fm.boundingRect(QRect(0, 0, width, 1 << 24), kTextFlags, s).height());
        }
        return height + 2 * m_padding;
    }

    void drawRow(const PaperTable &t, const QStringList &row, const QFont &font, int height)
    {
        if (m_paint) {
            m_painter.setFont(font);
            const QFontMetrics fm(font, m_device);
            const std::vector<QRect> rects = cells(t, height);
            for (std::size_t c = 0; c < rects.size(); ++c) {
                m_painter.drawRect(rects[c]);
                const QString &s = row[static_cast<qsizetype>(c)];
                const QRect inner = rects[c].adjusted(m_padding, m_padding, -m_padding, -m_padding);
                // Lines that fit are drawn at their baselines, without a layout.
                const QStringList lines = fittingLines(s, fm, inner.width());
                if (lines.isEmpty()) {
                    m_painter.drawText(inner, kTextFlags, s);
                    continue;
                }
                int baseline = inner.top() + fm.ascent();
                for (const QString &line : lines) {
                    const int x
                        = t.numbers[c] ? inner.right() - fm.horizontalAdvance(line) : inner.left();
                    m_painter.drawText(x, baseline, line);
                    baseline += fm.lineSpacing();
                }
            }
        }
        m_y += height;
    }

    void table(const PaperTable &t, const std::vector<int> &heights)
    {
        const int headerHeight = rowHeight(t, t.header, m_bold);
        if (m_y + headerHeight * 2 > bottom())
            newPage();
        drawRow(t, t.header, m_bold, headerHeight);
        for (std::size_t i = 0; i < t.rows.size(); ++i) {
            const QStringList &row = t.rows[i];
            const int height = heights[i];
            if (m_y + height > bottom()) {
                newPage();
                drawRow(t, t.header, m_bold, headerHeight); // the header again on each page
            }
            drawRow(t, row, m_body, height);
        }
    }

    QPainter &m_painter;
    QPagedPaintDevice *m_device;
    QRect m_area;
    QFont m_body, m_bold, m_title;
    int m_padding = 2;
    int m_y = 0;
    int m_pageNumber = 1;
    int m_pageCount = 1;
    bool m_paint = false;
    std::vector<int> m_positionHeights, m_totalHeights;
};
} // namespace

void paintStatement(const Statement &statement, const QString &date, QPagedPaintDevice *device)
{
    const StatementSheet sheet = statementSheet(statement, date, decimalSeparator());
    const PaperTable positions = positionsTable(statement, sheet);
    const PaperTable totals = totalsTable(sheet);
    QPainter painter(device);
    StatementPainter layout(painter, device);
    layout.measure(positions, totals);
    const int pages = layout.run(sheet, positions, totals, 0, false);
    layout.run(sheet, positions, totals, pages, true);
}

QByteArray statementPdf(const Statement &statement, const QString &date)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
            QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(u"Ведомость материалов"_s);
        writer.setCreator(programName());
        paintStatement(statement, date, &writer);
    }
    return bytes;
}
