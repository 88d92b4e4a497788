// The routing table: page and side effect of every node, for a selection change and a click.
#include "navigation/routing.h"

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
    same(0, { page(Page::Home), u"hide note"_s });
    same(1, { page(Page::Section), u"section Конструкции из кирпича"_s });
    same(2, { page(Page::Masonry), u"thickness 0,24"_s });
    same(3, { page(Page::Masonry), u"thickness 0,36"_s });
    same(4, { page(Page::Masonry), u"thickness 0,48"_s });
    same(5, { page(Page::Masonry), u"thickness 0,6"_s });
    same(6, { page(Page::Section), u"section Конструкции монолитные"_s });
    same(7, { page(Page::Foundation), u"show note"_s });
    same(8, { page(Page::Section), u"section Конструкции из дерева"_s });
    same(9, {});
    same(10, { page(Page::Section), u"section Конструкции из металла"_s });
    same(11, { page(Page::Painting), u"show note"_s });
    same(12, { page(Page::Section), u"section Полы"_s });
    QTest::addRow("node 13") << 13 << QStringList { page(Page::Underlayer) }
                             << QStringList { page(Page::Underlayer), u"show note"_s };
    same(14, { page(Page::Section), u"section Благоустройство"_s });
    same(15, { page(Page::Sowing), u"show note"_s });
    same(16, { page(Page::Home), u"show note"_s });
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
    QCOMPARE(nodeText(4), u"Кирпичная кладка 2,0 кирпича  (480 мм.)"_s);
    QCOMPARE(nodeText(5), u"Кирпичная кладка 2,5 кирпича  (600 мм.)"_s);
    QCOMPARE(nodeText(16), u"О программе"_s);
}

QTEST_GUILESS_MAIN(TestRouting)
#include "tst_routing.moc"
