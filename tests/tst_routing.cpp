// The routing table: page and side effect of every node, for a selection change and a click.
#include "navigation/routing.h"
#include "navigation/section_nodes.h"

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
    const auto same = [](int node, QStringList steps) {
        QTest::addRow("node %d", node) << node << steps << steps;
    };
    same(kHomeNode, { page(Page::Home), u"hide note"_s });
    same(kBrickSectionNode, { page(Page::Section), u"section Конструкции из кирпича"_s });
    same(kMasonry240Node, { page(Page::Masonry), u"thickness 0,24"_s });
    same(kMasonry360Node, { page(Page::Masonry), u"thickness 0,36"_s });
    same(kMasonry480Node, { page(Page::Masonry), u"thickness 0,48"_s });
    same(kMasonry600Node, { page(Page::Masonry), u"thickness 0,6"_s });
    same(kMonolithicSectionNode, { page(Page::Section), u"section Конструкции монолитные"_s });
    same(kFoundationNode, { page(Page::Foundation), u"show note"_s });
    same(kTimberSectionNode, { page(Page::Section), u"section Конструкции из дерева"_s });
    same(kFireProtectionNode, {});
    same(kMetalSectionNode, { page(Page::Section), u"section Конструкции из металла"_s });
    same(kPaintingNode, { page(Page::Painting), u"show note"_s });
    same(kFloorsNode, { page(Page::Section), u"section Полы"_s });
    QTest::addRow("node 13") << 13 << QStringList { page(Page::Underlayer) }
                             << QStringList { page(Page::Underlayer), u"show note"_s };
    same(kLandscapingSectionNode, { page(Page::Section), u"section Благоустройство"_s });
    same(kSowingNode, { page(Page::Sowing), u"show note"_s });
    same(kAboutNode, { page(Page::Home), u"show note"_s });
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
    routeNode(4, RouteCause::Click, u'.', target);
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
