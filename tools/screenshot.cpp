// Starts the real main window, sets up a scene as a user would and saves a picture of the
// window. Used by tools/screenshot.sh for the README and the AppStream screenshot, and to look
// at every page: screenshot OUTPUT.png
// [masonry|home|about|section|foundation|painting|underlayer|sowing]
#include "app/application.h"
#include "app/clock.h"
#include "app/main_window.h"
#include "calc/foundation_page.h"
#include "calc/masonry_page.h"
#include "calc/painting_page.h"
#include "calc/sowing_page.h"
#include "calc/underlayer_page.h"
#include "navigation/section_tree.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
void select(TForm1 &w, int node)
{
    w.TreeView1->selectIndex(node);
    w.TreeView1Click();
}

void setScene(TForm1 &w, const QString &scene)
{
    if (scene == u"masonry") {
        select(w, 3);
        MasonryPage *p = w.TabSheet1();
        p->Edit1->setText(u"10"_s);
        p->Edit2->setText(u"3"_s);
        p->Edit4->setText(u"2"_s);
        p->Edit5->setText(u"1,5"_s);
        p->Edit6->setText(u"1"_s);
        p->Edit7->setText(u"2,1"_s);
        p->BitBtn9->click();
    } else if (scene == u"about") {
        w.N4Click();
    } else if (scene == u"section") {
        select(w, 1);
    } else if (scene == u"foundation") {
        select(w, 7);
        FoundationPage *p = w.TabSheet2();
        p->Edit8->setText(u"2"_s);
        p->Edit9->setText(u"1,5"_s);
        p->Edit10->setText(u"0,8"_s);
        p->Label36Click();
        p->classes->button(0)->setChecked(true);
        p->BitBtn2->click();
    } else if (scene == u"painting") {
        select(w, 11);
        PaintingPage *p = w.TabSheet5();
        p->Edit13->setText(u"4"_s);
        p->Edit14->setText(u"5"_s);
        p->BitBtn6->click();
    } else if (scene == u"underlayer") {
        select(w, 13);
        UnderlayerPage *p = w.TabSheet7();
        p->RadioGroup4->findChildren<QRadioButton *>().at(7)->click();
        p->Button1->click();
    } else if (scene == u"sowing") {
        select(w, 15);
        SowingPage *p = w.TabSheet4();
        p->Edit11->setText(u"10"_s);
        p->Edit12->setText(u"10"_s);
        p->works->button(2)->setChecked(true);
        p->BitBtn4->click();
    }
}
} // namespace

int main(int argc, char **argv)
{
    Application app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Clock::setSource([] { return QDateTime(QDate(2026, 12, 11), QTime(10, 30, 0)); });
    const QStringList args = app.arguments();
    const QString output = args.value(1, u"screenshot.png"_s);
    const QString scene = args.value(2, u"masonry"_s);

    TForm1 window;
    window.show();
    window.Timer1Timer();
    setScene(window, scene);
    QTimer::singleShot(500, &app, [&] {
        window.grab().save(output);
        // Leave without the closing save: this is no user session (quit() would close the
        // window and so save).
        window.hide();
        QCoreApplication::exit(0);
    });
    return app.exec();
}
