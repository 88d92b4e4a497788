// Starts the real main window, sets up a scene as a user would and saves a picture of the
// window. Used by tools/screenshot.sh for the README and the AppStream screenshot, and to look
// at every page: screenshot OUTPUT.png (OUTPUT.pdf with the statement scene writes its PDF)
// [masonry|home|about|section|foundation|painting|underlayer|sowing|statement|statement-save]
#include "app/application.h"
#include "app/clock.h"
#include "app/main_window.h"
#include "calc/foundation_page.h"
#include "calc/masonry_page.h"
#include "calc/painting_page.h"
#include "calc/sowing_page.h"
#include "calc/underlayer_page.h"
#include "navigation/section_nodes.h"
#include "navigation/section_tree.h"
#include "statement/statement_model.h"
#include "statement/statement_window.h"

#include <QAbstractButton>
#include <QApplication>
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
        select(w, kMasonry360Node);
        MasonryPage *p = w.page<MasonryPage>();
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
        select(w, kBrickSectionNode);
    } else if (scene == u"foundation") {
        select(w, kFoundationNode);
        FoundationPage *p = w.page<FoundationPage>();
        p->Edit8->setText(u"2"_s);
        p->Edit9->setText(u"1,5"_s);
        p->Edit10->setText(u"0,8"_s);
        p->Label36Click();
        p->classes->button(0)->setChecked(true);
        p->BitBtn2->click();
    } else if (scene == u"painting") {
        select(w, kPaintingNode);
        PaintingPage *p = w.page<PaintingPage>();
        p->Edit13->setText(u"4"_s);
        p->Edit14->setText(u"5"_s);
        p->BitBtn6->click();
    } else if (scene == u"underlayer") {
        select(w, kUnderlayerNode);
        UnderlayerPage *p = w.page<UnderlayerPage>();
        p->RadioGroup4->findChildren<QRadioButton *>().at(7)->click();
        p->Button1->click();
    } else if (scene == u"sowing") {
        select(w, kSowingNode);
        SowingPage *p = w.page<SowingPage>();
        p->Edit11->setText(u"10"_s);
        p->Edit12->setText(u"10"_s);
        p->works->button(2)->setChecked(true);
        p->BitBtn4->click();
    } else if (scene == u"statement" || scene == u"statement-save") {
        // A small job: three walls, four identical column foundations, a floor and a painted
        // steel surface, collected in the statement with names and counts.
        StatementModel *s = w.statement();
        const auto name = [s](const QString &text, int count) {
            const int row = s->rowCount() - 1;
            s->setData(s->index(row, StatementModel::Name), text);
            s->setData(s->index(row, StatementModel::Count), count);
        };
        const auto wall = [&](int node, const char16_t *length, const char16_t *height,
                              const char16_t *windows, const QString &title) {
            select(w, node);
            MasonryPage *p = w.page<MasonryPage>();
            p->Edit1->setText(QString::fromUtf16(length));
            p->Edit2->setText(QString::fromUtf16(height));
            p->Edit4->setText(QString::fromUtf16(windows));
            p->Edit5->setText(u"1,5"_s);
            p->Edit6->setText(u"0"_s);
            p->Edit7->setText(u"0"_s);
            p->BitBtn9->click();
            w.AddToStatementClick();
            name(title, 1);
        };
        wall(3, u"12", u"3", u"4,5", u"Стена по оси А"_s);
        wall(3, u"12", u"3", u"3", u"Стена по оси Б"_s);
        wall(2, u"8,4", u"3", u"0", u"Перегородка в осях 1-2"_s);
        select(w, kFoundationNode);
        FoundationPage *f = w.page<FoundationPage>();
        f->Edit8->setText(u"1,2"_s);
        f->Edit9->setText(u"1,2"_s);
        f->Edit10->setText(u"1"_s);
        f->classes->button(0)->setChecked(true);
        f->BitBtn2->click();
        w.AddToStatementClick();
        name(u"Фундаменты под колонны К1"_s, 4);
        select(w, kUnderlayerNode);
        UnderlayerPage *u = w.page<UnderlayerPage>();
        u->RadioGroup4->findChildren<QRadioButton *>().at(8)->click();
        u->Edit15->setText(u"6,5"_s);
        u->Button1->click();
        w.AddToStatementClick();
        name(u"Подготовка под полы склада"_s, 1);
        select(w, kPaintingNode);
        PaintingPage *pt = w.page<PaintingPage>();
        pt->Edit13->setText(u"24"_s);
        pt->Edit14->setText(u"3,5"_s);
        pt->coats->button(1)->setChecked(true);
        pt->BitBtn6->click();
        w.AddToStatementClick();
        name(u"Ворота и ограждение"_s, 1);
        w.StatementClick();
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
    if (scene == u"statement-save") // the save dialog over the statement window
        QTimer::singleShot(0, &app,
            [&] { window.statementWindow()->exportWithDialog(StatementWindow::Format::Excel); });
    QTimer::singleShot(500, &app, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            dialog->grab().save(output);
            dialog->close();
        } else if (scene == u"statement" && output.endsWith(u".pdf"_s))
            window.statementWindow()->exportTo(StatementWindow::Format::Pdf, output);
        else if (scene == u"statement")
            window.statementWindow()->grab().save(output);
        else
            window.grab().save(output);
        // Leave without the closing save: this is no user session (quit() would close the
        // window and so save).
        window.hide();
        QCoreApplication::exit(0);
    });
    return app.exec();
}
