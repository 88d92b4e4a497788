// Number entry, storing and display shared by every calculator.
//
// Inputs are read into 80-bit extended numbers (long double on x86-64), formulas are evaluated
// in extended precision, every named value is stored as a double, and results are shown from the
// stored double in the general number format with a given number of significant digits.
#pragma once

#include <QChar>
#include <QString>

#include "base/app_error.h"

using Extended = long double;
static_assert(sizeof(Extended) >= 10 && __LDBL_MANT_DIG__ == 64,
    "the number rules need the 80-bit extended format");

// A text that is not a number: "'<text>' is not a valid floating point value".
class EConvertError : public AppError {
public:
    explicit EConvertError(const QString &fieldText);
};

// A value beyond the range of a double when it is stored.
class EOverflow : public AppError {
public:
    EOverflow();
};

// The decimal separator of the regional settings (QLocale()), used for reading and writing.
QChar decimalSeparator();

// Reads the whole text of an input field; throws EConvertError naming the text as held.
Extended ReadNumber(const QString &text, QChar separator);
Extended ReadNumber(const QString &text);

// Rounds an extended value to the nearest double; throws EOverflow beyond the double range.
double storeDouble(Extended value);

// The general number format: `precision` significant digits, fixed or scientific notation.
QString FormatResult(double value, int precision, QChar separator);
QString FormatResult(double value, int precision);
