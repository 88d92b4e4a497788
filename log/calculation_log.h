// The calculation log: the ordered lines shown under the pages.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class CalculationLog {
public:
    static QString headerLine();

    CalculationLog();

    // Appends one line at the end; the view (if any) shows it and scrolls to it.
    void append(const QString &line);

    const QStringList &lines() const { return m_lines; }

    // The whole text: every line, the last included, followed by CR LF.
    QString text() const;

    // Called with each appended line; the log area installs it.
    void setView(std::function<void(const QString &)> showLine)
    {
        m_showLine = std::move(showLine);
    }

private:
    QStringList m_lines;
    std::function<void(const QString &)> m_showLine;
};
