// The statement laid out as the tables every export writes: a title, the positions with one
// column per material, and the totals by material. A cell holds its text and, where it is a
// quantity, the stored double.
#pragma once

#include "statement/statement.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct SheetCell {
    QString text;
    std::optional<double> number; // set for quantities (and the count)
};
using SheetRow = std::vector<SheetCell>;

struct StatementSheet {
    QString title; // "Ведомость материалов"
    QString subtitle; // program name and date
    QStringList positionHeader;
    std::vector<SheetRow> positions;
    QString totalsTitle;
    QStringList totalsHeader;
    std::vector<SheetRow> totals;
    // Index of the first material column in positionHeader.
    int firstMaterialColumn = 0;
};

// `date` is the short date text of the day; `separator` writes the decimal texts.
StatementSheet statementSheet(const Statement &statement, const QString &date, QChar separator);

// The program's name as its files name it.
QString programName();

// CSV for spreadsheet programs under Russian settings: UTF-8 with a byte-order mark, ";"
// between fields, decimal comma, CR LF line ends, quotes where a field needs them.
QByteArray statementCsv(const Statement &statement, const QString &date);

// A field quoted when it holds ";", a quote, a line break or blanks at its ends.
QString csvField(const QString &text);
