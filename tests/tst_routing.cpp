// The routing table: page and side effect of every node, for a selection change and a click.
#include "navigation/routing.h"
#include "navigation/section_nodes.h"
#include "node_cases.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Records what a route does, in order, as short texts.
class RecordingTarget : public RoutingTarget {
public:
    QStringList steps;
    void showPage(Page page) override { steps << u"page %1"_s.arg(int(page)); }
    void setSectionName(const QString &name) override { steps << u"section "_s + name; }
    void setThickness(const QString &text) override { steps << u"thickness "_s + text; }
    void setAboutNoteVisible(bool visible) override
    {
        steps << (visible ? u"show note"_s : u"hide note"_s);
    }
};

QString page(Page p)
{
    return u"page %1"_s.arg(int(p));
}
} // namespace

class TestRouting : public QObject {
    Q_OBJECT
private slots:
    void routes_data();
    void routes();
    void thicknessFollowsSeparator();
    void nodeTexts();
};

void TestRouting::routes_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<QStringList>("onChange");
    QTest::addColumn<QStringList>("onClick");
    for (int node = 0; node < kNodeCount; ++node) {
        const NodeCase &c = kNodeCases[node];
        QStringList steps;
        if (c.pageName)
            steps << page(c.page);
        if (c.sectionName)
            steps << u"section "_s + QString::fromUtf16(c.sectionName);
        if (c.thickness)
            steps << u"thickness "_s + QString::fromUtf16(c.thickness);
        const auto note = [](int n) {
            return n < 0 ? QStringList() : QStringList { n ? u"show note"_s : u"hide note"_s };
        };
        QTest::addRow("%s", qPrintable(nodeText(node)))
            << node << steps + note(c.noteOnChange) << steps + note(c.noteOnClick);
    }
}

void TestRouting::routes()
{
    QFETCH(int, node);
    QFETCH(QStringList, onChange);
    QFETCH(QStringList, onClick);
    RecordingTarget change;
    routeNode(node, RouteCause::SelectionChange, u',', change);
    QCOMPARE(change.steps, onChange);
    RecordingTarget click;
    routeNode(node, RouteCause::Click, u',', click);
    QCOMPARE(click.steps, onClick);
}

void TestRouting::thicknessFollowsSeparator()
{
    RecordingTarget target;
    routeNode(kMasonry480Node, RouteCause::Click, u'.', target);
    QCOMPARE(target.steps.last(), u"thickness 0.48"_s);
}

void TestRouting::nodeTexts()
{
    QCOMPARE(nodeText(kMasonry480Node), u"Кирпичная кладка 2,0 кирпича  (480 мм.)"_s);
    QCOMPARE(nodeText(kMasonry600Node), u"Кирпичная кладка 2,5 кирпича  (600 мм.)"_s);
    QCOMPARE(nodeText(kAboutNode), u"О программе"_s);
}

QTEST_GUILESS_MAIN(TestRouting)
#include "tst_routing.moc"
