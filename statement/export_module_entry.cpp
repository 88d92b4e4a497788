// The export module's side: the Excel writer and the print preview behind one table.
#include "statement/export_module.h"

#include "base/app_error.h"
#include "statement/statement_print.h"
#include "statement/statement_xlsx.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace {
QByteArray xlsx(const Statement &statement, const QString &date, QString *error)
{
    try {
        return statementXlsx(statement, date);
    } catch (const AppError &e) {
        *error = e.message();
    } catch (const std::exception &e) {
        *error = QString::fromUtf8(e.what());
    }
    return {};
}

void preview(QWidget *parent, const Statement &statement, const QString &date)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
        QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    printer.setDocName(u"Ведомость материалов"_s);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"Предварительный просмотр ведомости"_s);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&](QPrinter *p) { paintStatement(statement, date, p); });
    dialog.exec();
}

const StatementExports kExports { xlsx, preview };
} // namespace

extern "C" Q_DECL_EXPORT const StatementExports *kladomerStatementExports()
{
    return &kExports;
}
