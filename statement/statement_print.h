// The statement on paper and in PDF: A4 landscape, a title with the program and the date, the
// positions with their materials, the totals by material, the table's header row repeated on
// every page and "Страница N из M" at the foot of each page.
#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class Statement;

// Paints every page onto the device (a printer or a PDF writer), starting new pages itself.
void paintStatement(const Statement &statement, const QString &date, QPagedPaintDevice *device);

// The statement as PDF bytes.
QByteArray statementPdf(const Statement &statement, const QString &date);
