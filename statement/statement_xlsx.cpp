// The Excel workbook of the statement. libxlsxwriter writes to a file, so the workbook is made
// in a private temporary folder and its bytes are returned for the atomic save.
#include "statement/statement_xlsx.h"

#include "base/app_error.h"
#include "statement/statement_sheet.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {
[[noreturn]] void fail(lxw_error error)
{
    throw AppError(u"Не удалось создать книгу Excel: "_s + QString::fromUtf8(lxw_strerror(error)));
}

void check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        fail(error);
}

// A column wide enough for its longest text, within reason.
double columnWidth(int longest)
{
    return std::clamp(longest * 1.1 + 2, 6.0, 60.0);
}
} // namespace

QByteArray statementXlsx(const Statement &statement, const QString &date)
{
    const StatementSheet sheet = statementSheet(statement, date, u',');
    QTemporaryDir dir;
    if (!dir.isValid())
        throw AppError(u"Не удалось создать временную папку для книги Excel"_s);
    const QByteArray path = QFile::encodeName(dir.filePath(u"statement.xlsx"_s));
    const QByteArray tmp = QFile::encodeName(dir.path());

    lxw_workbook_options options {};
    options.constant_memory = LXW_FALSE;
    options.tmpdir = const_cast<char *>(tmp.constData());
    lxw_workbook *book = workbook_new_opt(path.constData(), &options);
    if (!book)
        throw AppError(u"Не удалось создать книгу Excel"_s);
    // The workbook is freed by its close, also when a step before it fails.
    struct Closer {
        lxw_workbook *book;
        ~Closer()
        {
            if (book)
                workbook_close(book);
        }
    } closer { book };

    const QByteArray title = sheet.title.toUtf8();
    const QByteArray author = programName().toUtf8();
    lxw_doc_properties properties {};
    properties.title = const_cast<char *>(title.constData());
    properties.author = const_cast<char *>(author.constData());
    workbook_set_properties(book, &properties);

    lxw_worksheet *ws = workbook_add_worksheet(book, "Ведомость");
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    format_set_text_wrap(bold);
    format_set_align(bold, LXW_ALIGN_VERTICAL_TOP);
    format_set_bottom(bold, LXW_BORDER_THIN);
    lxw_format *heading = workbook_add_format(book);
    format_set_bold(heading);
    format_set_font_size(heading, 14);
    lxw_format *wrap = workbook_add_format(book);
    format_set_text_wrap(wrap);
    format_set_align(wrap, LXW_ALIGN_VERTICAL_TOP);

    const auto text = [&](int row, int column, const QString &value, lxw_format *format) {
        check(worksheet_write_string(ws, row, column, value.toUtf8().constData(), format));
    };
    const auto cell = [&](int row, int column, const SheetCell &c, lxw_format *format) {
        if (c.number && std::isfinite(*c.number))
            check(worksheet_write_number(ws, row, column, *c.number, nullptr));
        else if (!c.text.isEmpty())
            text(row, column, c.text, format);
    };

    text(0, 0, sheet.title + u" — "_s + sheet.subtitle, heading);
    constexpr int kHeaderRow = 2;
    std::vector<int> longest(sheet.positionHeader.size(), 0);
    for (int c = 0; c < sheet.positionHeader.size(); ++c) {
        text(kHeaderRow, c, sheet.positionHeader[c], bold);
        longest[c] = std::min<int>(static_cast<int>(sheet.positionHeader[c].size()), 16);
    }
    int row = kHeaderRow + 1;
    for (const SheetRow &r : sheet.positions) {
        for (std::size_t c = 0; c < r.size(); ++c) {
            cell(row, static_cast<int>(c), r[c], wrap);
            longest[c] = std::max(longest[c], static_cast<int>(r[c].text.size()));
        }
        ++row;
    }
    row += 1;
    text(row++, 0, sheet.totalsTitle, heading);
    for (int c = 0; c < sheet.totalsHeader.size(); ++c)
        text(row, c + 1, sheet.totalsHeader[c], bold);
    ++row;
    for (const SheetRow &r : sheet.totals) {
        for (std::size_t c = 0; c < r.size(); ++c)
            cell(row, static_cast<int>(c) + 1, r[c], wrap);
        longest[1] = std::max(longest[1], static_cast<int>(r[0].text.size()));
        ++row;
    }

    for (std::size_t c = 0; c < longest.size(); ++c)
        worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
            columnWidth(c == 0 ? 3 : longest[c]), nullptr);
    worksheet_freeze_panes(ws, kHeaderRow + 1, 0);
    worksheet_set_landscape(ws);
    worksheet_set_paper(ws, 9); // A4
    worksheet_fit_to_pages(ws, 1, 0);
    worksheet_repeat_rows(ws, kHeaderRow, kHeaderRow);
    const QByteArray footer = u"&CСтраница &P из &N"_s.toUtf8();
    worksheet_set_footer(ws, footer.constData());

    closer.book = nullptr;
    check(workbook_close(book));
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(u"Не удалось прочитать созданную книгу Excel"_s);
    return file.readAll();
}
