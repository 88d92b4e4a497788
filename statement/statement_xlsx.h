// The statement as an Excel workbook (.xlsx), written with libxlsxwriter.
#pragma once

#include <QByteArray>
#include <QString>

class Statement;

// The workbook's bytes: a title with the program and the date, the positions and the totals as
// numeric cells holding the stored doubles, a bold header row that stays frozen, sensible
// column widths and an A4 landscape page set-up. Throws AppError when the workbook cannot be
// made.
QByteArray statementXlsx(const Statement &statement, const QString &date);
