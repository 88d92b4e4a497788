// Number entry (ReadNumber), storing to double and the general number format (FormatResult).
#include "calc/number_rules.h"

#include "calc/errors.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

QChar decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The text split by the grammar; `valid` is false when the text breaks it.
struct ScannedNumber {
    bool valid = false;
    bool negative = false;
    QString mantissaDigits; // integer and fraction digits as one integer
    int fractionDigits = 0;
    int exponent = 0;
};

ScannedNumber scan(const QString &text, QChar separator)
{
    ScannedNumber n;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && text[i] == u' ')
        ++i;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        n.negative = text[i] == u'-';
        ++i;
    }
    bool tookAny = false;
    while (i < size && isDigit(text[i])) {
        n.mantissaDigits += text[i++];
        tookAny = true;
    }
    if (i < size && text[i] == separator) {
        ++i;
        tookAny = true;
        while (i < size && isDigit(text[i])) {
            n.mantissaDigits += text[i++];
            ++n.fractionDigits;
        }
    }
    if (!tookAny)
        return n;
    if (i < size && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < size && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        // Exponent digits are taken until its value reaches 500; a digit left over is an error.
        int value = 0;
        while (i < size && isDigit(text[i]) && value < 500)
            value = value * 10 + text[i++].digitValue();
        n.exponent = negativeExponent ? -value : value;
    }
    while (i < size && text[i] == u' ')
        ++i;
    n.valid = i == size;
    return n;
}

Extended powerOfTen(long long n)
{
    // Exact up to 10^27; beyond that the library's correctly scaled power.
    Extended result = 1;
    if (n <= 27) {
        for (long long k = 0; k < n; ++k)
            result *= 10;
        return result;
    }
    return std::pow(Extended(10), Extended(n));
}

} // namespace

Extended ReadNumber(const QString &text, QChar separator)
{
    const ScannedNumber n = scan(text, separator);
    if (!n.valid)
        throw EConvertError(text);

    // The integer is built digit by digit as value x 10 + digit, then scaled once.
    Extended value = 0;
    for (QChar digit : n.mantissaDigits) {
        value = value * 10 + digit.digitValue();
        if (std::isinf(value))
            throw EConvertError(text);
    }
    if (value != 0) {
        const long long scale = static_cast<long long>(n.exponent) - n.fractionDigits;
        if (scale > 0)
            value *= powerOfTen(scale);
        else if (scale < 0)
            value /= powerOfTen(-scale);
        if (!std::isfinite(value))
            throw EConvertError(text);
    }
    return n.negative ? -value : value;
}

Extended ReadNumber(const QString &text)
{
    return ReadNumber(text, decimalSeparator());
}

double storeDouble(Extended value)
{
    // Every extended value below this edge rounds to a finite double; from it on, to infinity.
    // The edge (2^1024 - 2^970, half an ulp above the largest double) is exact in extended.
    constexpr Extended largest = std::numeric_limits<double>::max();
    constexpr Extended overflowEdge = largest + Extended(0x1p970);
    if (!(std::fabs(value) < overflowEdge))
        throw EOverflow();
    return static_cast<double>(value);
}

QString FormatResult(double value, int precision, QChar separator)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? QStringLiteral("0") : QString::number(value);

    constexpr int kDigits = 18;
    precision = std::clamp(precision, 1, kDigits);

    // 18 significant digits of the magnitude, correctly rounded: d.ddddde[+-]x
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
        std::chars_format::scientific, kDigits - 1);
    const std::string_view text(buffer, converted.ptr - buffer);
    const auto ePos = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePos))
        if (c != '.')
            digits += c;
    int exponent = 0; // E: the number of digits before the decimal point
    std::from_chars(
        text.data() + ePos + 1 + (text[ePos + 1] == '+'), text.data() + text.size(), exponent);
    exponent += 1;

    // Half-up at the precision on those 18 digits.
    const bool roundUp = precision < kDigits && digits[precision] >= '5';
    digits.resize(precision);
    if (roundUp) {
        int i = precision - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    QString out;
    if (value < 0)
        out += u'-';
    const int count = static_cast<int>(digits.size());
    if (exponent >= -3 && exponent <= precision) {
        if (exponent > 0) {
            for (int i = 0; i < exponent; ++i)
                out += i < count ? QLatin1Char(digits[i]) : QChar(u'0');
            if (count > exponent) {
                out += separator;
                for (int i = exponent; i < count; ++i)
                    out += QLatin1Char(digits[i]);
            }
        } else {
            out += u'0';
            out += separator;
            out += QString(-exponent, u'0');
            out += QString::fromLatin1(digits.data(), count);
        }
    } else {
        out += QLatin1Char(digits[0]);
        if (count > 1) {
            out += separator;
            out += QString::fromLatin1(digits.data() + 1, count - 1);
        }
        out += u'E';
        out += QString::number(exponent - 1);
    }
    return out;
}

QString FormatResult(double value, int precision)
{
    return FormatResult(value, precision, decimalSeparator());
}
