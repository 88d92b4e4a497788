// Clock texts built from the regional settings.
#include "app/clock.h"

using namespace Qt::StringLiterals;

namespace {
bool isHourLetter(QChar c)
{
    return c == u'h' || c == u'H';
}
bool isApLetter(QChar c)
{
    return c == u'a' || c == u'A';
}
} // namespace

QString longTimeText(const QTime &time, const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);

    qsizetype hourAt = -1;
    qsizetype hourLength = 0;
    qsizetype apAt = -1;
    QString separator;
    bool inQuote = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            inQuote = !inQuote;
            continue;
        }
        if (inQuote)
            continue;
        if (hourAt < 0 && isHourLetter(c)) {
            hourAt = i;
            while (i + 1 < format.size() && format[i + 1] == c)
                ++i;
            hourLength = i - hourAt + 1;
            // The separator: what stands between the hour and the minutes.
            qsizetype j = i + 1;
            while (j < format.size() && format[j] != u'm')
                separator += format[j++];
        } else if (apAt < 0 && isApLetter(c)) {
            apAt = i;
        }
    }
    if (separator.isEmpty())
        separator = u":"_s;

    const bool twelveHour = apAt >= 0;
    int hour = time.hour();
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    QString text = hourLength >= 2 ? u"%1"_s.arg(hour, 2, 10, QChar(u'0')) : QString::number(hour);
    text += separator + u"%1"_s.arg(time.minute(), 2, 10, QChar(u'0')) + separator
        + u"%1"_s.arg(time.second(), 2, 10, QChar(u'0'));
    if (twelveHour) {
        const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
        text = apAt < hourAt ? designator + u' ' + text : text + u' ' + designator;
    }
    return text;
}

QString shortDateText(const QDate &date, const QLocale &locale)
{
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    if (pattern.isEmpty())
        pattern = u"M/d/yy"_s;
    return locale.toString(date, pattern);
}

namespace {
Clock::Source &source()
{
    static Clock::Source s;
    return s;
}
} // namespace

QDateTime Clock::now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

void Clock::setSource(Source s)
{
    source() = std::move(s);
}
