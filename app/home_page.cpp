// The home page and the text of its about note.
#include "app/home_page.h"

#include "app/designer_names.h"
#include "resources/raw_picture.h"

#include <QLabel>
#include <QPixmap>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {
// Lines 9 to 12 name the handbook series whose masonry and painting coefficients the
// calculators use.
const char16_t *const kAboutLines[] = {
    u"",
    u"Данная программа создана для производственно-",
    u"технических служб строительных организаций",
    u"",
    u"В основу расчетов программы положены ",
    u"расчетные коэффициенты из следующих ",
    u"источников:",
    u"",
    u"«Нормативные показатели расхода материалов»",
    u"Госстрой России",
    u"Москва, 1999",
    u"Сб. 8 «Кирпич и блоки», Сб. 15 «Отделка»",
};
} // namespace

HomePage::HomePage(QWidget *parent)
    : QWidget(parent)
{
    Label16 = new QLabel(u"Сборка 2.1"_s, this);
    Label16->move(272, 3);

    Emblem = new QLabel(this);
    Emblem->setGeometry(64, 32, 210, 210);
    Emblem->setAlignment(Qt::AlignCenter);
    Emblem->setPixmap(QPixmap::fromImage(loadRawPicture(u":/pictures/emblem.argb"_s)));
    Emblem->setAccessibleName(u"Эмблема программы"_s);

    Label1 = new QLabel(u"Программа расчета расхода строительных материалов"_s, this);
    Label1->setGeometry(18, 256, 290, 14);

    Label77 = new QLabel(u"Кладомер 2"_s, this);
    Label77->setGeometry(21, 272, 285, 22);
    Label77->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont titleFont = Label77->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    Label77->setFont(titleFont);

    Memo1 = new QTextEdit(this);
    Memo1->setGeometry(24, 304, 281, 185);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setAcceptRichText(false);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->viewport()->setAutoFillBackground(false);
    Memo1->setAccessibleName(u"О программе"_s);
    QStringList lines;
    for (const char16_t *line : kAboutLines)
        lines << QString::fromUtf16(line);
    Memo1->setPlainText(lines.join(u'\n'));
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    Memo1->setVisible(false);

    NAME_WIDGET(Label16);
    NAME_WIDGET(Label1);
    NAME_WIDGET(Label77);
    NAME_WIDGET(Memo1);
}
