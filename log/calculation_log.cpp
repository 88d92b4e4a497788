// The calculation log's lines and its whole text.
#include "log/calculation_log.h"

using namespace Qt::StringLiterals;

QString CalculationLog::headerLine()
{
    return u"Ведеться история расчетов программы \"Кладомер 2\""_s;
}

CalculationLog::CalculationLog()
    : m_lines { headerLine() }
{
}

void CalculationLog::append(const QString &line)
{
    m_lines.append(line);
    if (m_showLine)
        m_showLine(line);
}

QString CalculationLog::text() const
{
    qsizetype size = 0;
    for (const QString &line : m_lines)
        size += line.size() + 2;
    QString all;
    all.reserve(size);
    for (const QString &line : m_lines) {
        all += line;
        all += u"\r\n"_s;
    }
    return all;
}
