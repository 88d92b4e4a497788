// The statement's export tables and its CSV text.
#include "statement/statement_sheet.h"

#include "calc/materials.h"

using namespace Qt::StringLiterals;

QString programName()
{
    return u"Кладомер 2"_s;
}

namespace {
SheetCell textCell(const QString &text)
{
    return { text, std::nullopt };
}

SheetCell quantityCell(const MaterialQuantity &q)
{
    if (q.text.isEmpty())
        return {};
    return { q.text, q.value };
}
} // namespace

StatementSheet statementSheet(const Statement &statement, const QString &date, QChar separator)
{
    StatementSheet sheet;
    sheet.title = u"Ведомость материалов"_s;
    sheet.subtitle = programName() + u", "_s + date;
    sheet.positionHeader = { u"№"_s, u"Работа"_s, u"Наименование"_s, u"Исходные данные"_s,
        u"Количество"_s, u"Объем работ"_s, u"Ед. изм."_s };
    sheet.firstMaterialColumn = static_cast<int>(sheet.positionHeader.size());
    const std::vector<int> used = statement.usedMaterials();
    const auto all = materials();
    for (int m : used)
        sheet.positionHeader << QString::fromUtf16(all[m].name) + u", "_s
                + QString::fromUtf16(all[m].unit);

    for (int i = 0; i < statement.size(); ++i) {
        const StatementPosition &p = statement.at(i);
        const CalculationResult *work = p.calculation.workQuantity();
        SheetRow row { { QString::number(i + 1), double(i + 1) }, textCell(p.calculation.work),
            textCell(p.name), textCell(p.calculation.summary),
            { QString::number(p.count), double(p.count) },
            quantityCell(statement.workQuantity(i, separator)),
            textCell(work ? work->unit : QString()) };
        for (int m : used)
            row.push_back(quantityCell(statement.quantity(i, m, separator)));
        sheet.positions.push_back(std::move(row));
    }

    sheet.totalsTitle = u"Итого по материалам"_s;
    sheet.totalsHeader = { u"Материал"_s, u"Ед. изм."_s, u"Количество"_s };
    for (const MaterialQuantity &t : statement.totals(separator)) {
        sheet.totals.push_back({ textCell(QString::fromUtf16(all[t.material].name)),
            textCell(QString::fromUtf16(all[t.material].unit)), quantityCell(t) });
    }
    return sheet;
}

QString csvField(const QString &text)
{
    const bool quote = text.contains(u';') || text.contains(u'"') || text.contains(u'\n')
        || text.contains(u'\r') || text.startsWith(u' ') || text.endsWith(u' ');
    if (!quote)
        return text;
    QString escaped = text;
    escaped.replace(u"\""_s, u"\"\""_s);
    return u'"' + escaped + u'"';
}

QByteArray statementCsv(const Statement &statement, const QString &date)
{
    // Spreadsheets under Russian settings read "12,5" as a number; the file always uses the
    // comma, whatever the program's own settings.
    const StatementSheet sheet = statementSheet(statement, date, u',');
    QStringList lines;
    const auto joinRow = [](const SheetRow &row) {
        QStringList fields;
        for (const SheetCell &c : row)
            fields << csvField(c.text);
        return fields.join(u';');
    };
    const auto joinHeader = [](const QStringList &header) {
        QStringList fields;
        for (const QString &h : header)
            fields << csvField(h);
        return fields.join(u';');
    };
    lines << csvField(sheet.title) << csvField(sheet.subtitle) << QString();
    lines << joinHeader(sheet.positionHeader);
    for (const SheetRow &row : sheet.positions)
        lines << joinRow(row);
    lines << QString() << csvField(sheet.totalsTitle) << joinHeader(sheet.totalsHeader);
    for (const SheetRow &row : sheet.totals)
        lines << joinRow(row);
    return "\xEF\xBB\xBF" + (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}
