// A long statement: 10 000 positions from the five calculators added one at a time to the
// statement shown in its window, then a count changed (the totals follow), then the Excel
// workbook and the PDF made. Prints the time of an addition (mean and longest), of the totals'
// update, and of the two exports.
#include "app/application.h"
#include "calc/foundation.h"
#include "calc/masonry.h"
#include "calc/painting.h"
#include "calc/sowing.h"
#include "calc/underlayer.h"
#include "navigation/routing.h"
#include "navigation/section_nodes.h"
#include "statement/statement_model.h"
#include "statement/statement_print.h"
#include "statement/statement_window.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
std::vector<Calculation> job()
{
    const QChar sep = u',';
    std::vector<Calculation> c;
    c.push_back(masonryCalculation(nodeText(kMasonry360Node),
        { QStringLiteral("10"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1,5"),
            QStringLiteral("1"), QStringLiteral("2,1"), QStringLiteral("0,36") },
        computeMasonry({ 10, 3, 2, 1.5L, 1, 2.1L, 0.36L }, masonryVariantForNode(kMasonry360Node)),
        sep));
    c.push_back(foundationCalculation(nodeText(kFoundationNode),
        { QStringLiteral("2"), QStringLiteral("1,5"), QStringLiteral("0,8") },
        QStringLiteral("Объмом до 3 м3, опалубка"), computeFoundation(2, 1.5L, 0.8L), sep));
    c.push_back(
        paintingCalculation(nodeText(kPaintingNode), { QStringLiteral("4"), QStringLiteral("5") },
            QStringLiteral("Окраска в один слой"), computePainting(4, 5, 0), sep));
    c.push_back(underlayerCalculation(
        nodeText(kUnderlayerNode), 8, QStringLiteral("2"), 2, computeUnderlayer(8, 2), sep));
    c.push_back(
        sowingCalculation(nodeText(kSowingNode), { QStringLiteral("10"), QStringLiteral("10") },
            QStringLiteral("Посев трав гидропосевом, 1000 м2"), computeSowing(10, 10, 2), sep));
    return c;
}
} // namespace

int main(int argc, char **argv)
{
    Application app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const int positions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    StatementModel model;
    StatementWindow window(&model, [] { return QStringLiteral("11.12.2026"); });
    window.show();
    app.processEvents();

    const std::vector<Calculation> calculations = job();
    qint64 total = 0, longest = 0;
    std::vector<qint64> times;
    for (int i = 0; i < positions; ++i) {
        QElapsedTimer t;
        t.start();
        model.addPosition(calculations[static_cast<std::size_t>(i) % calculations.size()]);
        const qint64 ns = t.nsecsElapsed();
        total += ns;
        times.push_back(ns);
        longest = std::max(longest, ns);
        if (i % 64 == 63)
            app.processEvents();
    }
    app.processEvents();

    QElapsedTimer t;
    t.start();
    model.setData(model.index(positions / 2, StatementModel::Count), 7); // the totals follow
    const qint64 totalsNs = t.nsecsElapsed();

    t.restart();
    const QByteArray xlsx
        = statementBytes(model, StatementWindow::Format::Excel, QStringLiteral("11.12.2026"));
    const qint64 xlsxNs = t.nsecsElapsed();
    t.restart();
    const QByteArray pdf = statementPdf(model.statement(), QStringLiteral("11.12.2026"));
    const qint64 pdfNs = t.nsecsElapsed();

    std::printf("positions:                    %d\n", positions);
    std::printf("add one, mean:                %.3f ms\n", total / 1e6 / positions);
    std::sort(times.begin(), times.end());
    std::printf("add one, 99th percentile:     %.3f ms\n", times[times.size() * 99 / 100] / 1e6);
    std::printf("add one, longest:             %.3f ms\n", longest / 1e6);
    std::printf("count changed, totals follow: %.3f ms\n", totalsNs / 1e6);
    std::printf(
        "Excel workbook (%lld bytes): %.3f s\n", static_cast<long long>(xlsx.size()), xlsxNs / 1e9);
    std::printf(
        "PDF (%lld bytes):           %.3f s\n", static_cast<long long>(pdf.size()), pdfNs / 1e9);
    return 0;
}
