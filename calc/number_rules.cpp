// Number entry (ReadNumber), storing to double and the general number format (FormatResult).
#include "calc/number_rules.h"

#include <QLocale>

#include <mpfr.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

EConvertError::EConvertError(const QString &fieldText)
    : AppError(u"'"_s + fieldText + u"' is not a valid floating point value"_s)
{
}

EOverflow::EOverflow()
    : AppError(u"Floating point overflow"_s)
{
}

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

// 10^n for 0 <= n <= 27: exact in extended (5^27 < 2^64), so one multiplication or division by
// it rounds once, correctly.
constexpr Extended exactPowerOfTen(int n)
{
    Extended result = 1;
    for (int k = 0; k < n; ++k)
        result *= 10;
    return result;
}
constexpr int kExactPowers = 28;
constexpr auto kPowersOfTen = [] {
    std::array<Extended, kExactPowers> table {};
    for (int n = 0; n < kExactPowers; ++n)
        table[n] = exactPowerOfTen(n);
    return table;
}();

// The extended value nearest to digits x 10^scale, rounded once, half to even, with subnormals
// below 2^-16382 and 0 only below half the smallest subnormal. GNU MPFR reads the decimal text
// exactly; its exponent range is set to the extended format's for the one conversion. Returns
// infinity when the nearest value lies beyond the extended range.
Extended nearestExtended(const QString &digits, long long scale)
{
    const QByteArray text = digits.toLatin1() + 'e' + QByteArray::number(scale);
    const mpfr_exp_t savedMin = mpfr_get_emin();
    const mpfr_exp_t savedMax = mpfr_get_emax();
    // MPFR writes x = m * 2^e with 1/2 <= m < 1: the smallest subnormal 2^-16445 has e = -16444,
    // and every finite extended value has e <= 16384.
    mpfr_set_emin(-16444);
    mpfr_set_emax(16384);
    mpfr_t x;
    mpfr_init2(x, std::numeric_limits<Extended>::digits);
    const int inexact = mpfr_strtofr(x, text.constData(), nullptr, 10, MPFR_RNDN);
    mpfr_subnormalize(x, inexact, MPFR_RNDN);
    const Extended value = mpfr_get_ld(x, MPFR_RNDN);
    mpfr_clear(x);
    mpfr_set_emin(savedMin);
    mpfr_set_emax(savedMax);
    return value;
}

} // namespace

Extended ReadNumber(const QString &text, QChar separator)
{
    const ScannedNumber n = scan(text, separator);
    if (!n.valid)
        throw EConvertError(text);

    qsizetype first = 0; // leading zeros carry no value
    while (first < n.mantissaDigits.size() && n.mantissaDigits[first] == u'0')
        ++first;
    const qsizetype significant = n.mantissaDigits.size() - first;
    if (significant == 0)
        return n.negative ? -Extended(0) : Extended(0);

    const long long scale = static_cast<long long>(n.exponent) - n.fractionDigits;
    Extended value;
    if (significant <= 19 && scale > -kExactPowers && scale < kExactPowers) {
        // The common short text: the integer (below 10^19 < 2^64) and the power are exact, so
        // the one multiplication or division rounds correctly.
        Extended integer = 0;
        for (qsizetype i = first; i < n.mantissaDigits.size(); ++i)
            integer = integer * 10 + n.mantissaDigits[i].digitValue();
        value = scale >= 0 ? integer * kPowersOfTen[scale] : integer / kPowersOfTen[-scale];
    } else {
        value = nearestExtended(n.mantissaDigits.mid(first), scale);
    }
    if (!std::isfinite(value))
        throw EConvertError(text);
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
