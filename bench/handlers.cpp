// Time of every Calculate handler on the real window: each page's worked example, run 1000
// times; prints the median, the 99th percentile and the longest run (a single long run is
// usually the machine, not the handler). First, the time each page takes to appear the first
// time it is chosen in the tree: it is built then, and painted.
#include "app/application.h"
#include "app/main_window.h"
#include "calc/foundation_page.h"
#include "calc/masonry_page.h"
#include "calc/painting_page.h"
#include "calc/sowing_page.h"
#include "calc/underlayer_page.h"
#include "navigation/section_nodes.h"
#include "navigation/section_tree.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
void measure(const char *name, const std::function<void()> &handler)
{
    std::vector<qint64> ns;
    for (int i = 0; i < 1000; ++i) {
        QElapsedTimer t;
        t.start();
        handler();
        ns.push_back(t.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    std::printf("%-22s median %7.1f us   99th percentile %7.1f us   longest %7.1f us\n", name,
        ns[ns.size() / 2] / 1e3, ns[ns.size() * 99 / 100] / 1e3, ns.back() / 1e3);
}
} // namespace

int main(int argc, char **argv)
{
    Application app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    TForm1 w;
    w.show();
    app.processEvents();

    const struct {
        const char *name;
        int node;
    } firstShows[] = { { "section page", 1 }, { "masonry page", 3 }, { "foundation page", 7 },
        { "painting page", 11 }, { "underlayer page", 13 }, { "sowing page", 15 } };
    for (const auto &[name, node] : firstShows) {
        QElapsedTimer t;
        t.start();
        w.TreeView1->selectIndex(node);
        w.repaint();
        std::printf(
            "first show, %-16s %7.2f ms (built and painted)\n", name, t.nsecsElapsed() / 1e6);
    }

    w.TreeView1->selectIndex(kMasonry360Node);
    MasonryPage *m = w.page<MasonryPage>();
    m->Edit1->setText(QStringLiteral("10"));
    m->Edit2->setText(QStringLiteral("3"));
    measure("masonry (BitBtn9)", [m] { m->BitBtn9Click(); });

    FoundationPage *f = w.page<FoundationPage>();
    f->Edit8->setText(QStringLiteral("2"));
    f->Edit9->setText(QStringLiteral("1,5"));
    f->Edit10->setText(QStringLiteral("0,8"));
    f->classes->button(0)->setChecked(true);
    measure("foundation (BitBtn2)", [f] { f->BitBtn2Click(); });

    PaintingPage *p = w.page<PaintingPage>();
    p->Edit13->setText(QStringLiteral("4"));
    p->Edit14->setText(QStringLiteral("5"));
    measure("painting (BitBtn6)", [p] { p->BitBtn4Click(); });

    UnderlayerPage *u = w.page<UnderlayerPage>();
    u->RadioGroup4->findChildren<QRadioButton *>().at(7)->setChecked(true);
    measure("underlayer (Button1)", [u] { u->Button1Click(); });

    SowingPage *s = w.page<SowingPage>();
    s->Edit11->setText(QStringLiteral("10"));
    s->Edit12->setText(QStringLiteral("10"));
    s->works->button(2)->setChecked(true);
    measure("sowing (BitBtn4)", [s] { s->BitBtn4Click(); });
    w.hide();
    return 0;
}
