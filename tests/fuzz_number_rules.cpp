// libFuzzer target for the number rules: arbitrary bytes into ReadNumber, arbitrary doubles and
// precisions into FormatResult. Checks that nothing crashes, that every accepted text follows the
// number grammar, and that every formatted result is itself a number that reads back.
#include "calc/number_rules.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void checkRead(const uint8_t *data, size_t size)
{
    const QChar separator = (size > 0 && (data[0] & 1)) ? QChar(u'.') : QChar(u',');
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    // The grammar written independently of the reader: blanks, sign, digits and/or separator,
    // optional exponent, blanks.
    const QString s = QRegularExpression::escape(QString(separator));
    static const QString pattern
        = QStringLiteral("^ *[+-]?(\\d+(%1\\d*)?|%1\\d*)([eE][+-]?\\d*)? *$");
    const QRegularExpression grammar(pattern.arg(s));
    try {
        const Extended value = ReadNumber(text, separator);
        if (!grammar.match(text).hasMatch() || !std::isfinite(value))
            std::abort();
    } catch (const EConvertError &e) {
        if (e.message()
            != QStringLiteral("'") + text + QStringLiteral("' is not a valid floating point value"))
            std::abort();
    }
}

void checkFormat(const uint8_t *data, size_t size)
{
    double value;
    if (size < sizeof value + 1)
        return;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return;
    const int precision = 1 + data[sizeof value] % 18;
    const QChar separator = (data[sizeof value] & 0x80) ? QChar(u'.') : QChar(u',');
    const QString text = FormatResult(value, precision, separator);
    const Extended back = ReadNumber(text, separator); // throws (and so fails) if not a number
    if (precision == 18 && std::isnormal(value) && storeDouble(back) != value)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] & 0x80)
        checkFormat(data + 1, size - 1);
    else
        checkRead(data + 1, size - 1);
    return 0;
}
