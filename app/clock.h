// The clock texts of the status line and the saved history: the long time and short date
// of the regional settings.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>

// Hour (with a leading zero where the locale asks for one), the locale's time separator,
// two-digit minutes and seconds, and the AM/PM designator where the locale keeps a 12-hour clock.
// Qt's own long format would add a time zone, which is not wanted here.
QString longTimeText(const QTime &time, const QLocale &locale);

// The locale's short date pattern; "M/d/yy" where the locale gives none.
QString shortDateText(const QDate &date, const QLocale &locale);

// The one place "now" comes from; tests set it.
class Clock {
public:
    using Source = std::function<QDateTime()>;
    static QDateTime now();
    static void setSource(Source source); // an empty source restores the system clock
};
