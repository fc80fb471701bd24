#pragma once
#include "engine/variant.h"

#include <QString>

namespace dorvane {

enum class NumberKind { Integer, Float };

struct NumericConversion
{
    enum Status { Converted, Empty, Invalid, OutOfBounds };
    Status status = Empty;
    Variant value; // set when converted: a 64-bit integer or a double, by kind
    // The system's message for a failed conversion.
    const char *message() const;
};

// Reads a numeric edit's text: optional blanks, sign, digits with the given decimal separator,
// an exponent "E" or "e" and blanks. Integers must lie strictly between -2^63 and 2^63 - 1
// and are rounded to the nearest whole number. Only a text without any character is empty;
// blanks alone, and a number too small in magnitude for a double, are invalid.
NumericConversion convertNumericText(const QString &text, NumberKind kind, QChar decimalSeparator);

// The value in plain decimal, with the given separator for fractions.
QString numericText(const Variant &value, QChar decimalSeparator);

// Round to the nearest, halves to the even neighbour.
double roundHalfEven(double v);

} // namespace dorvane

namespace dorvane {

struct NumericLimits
{
    bool active = false; // only while the maximum is greater than the minimum
    double min = 0;
    double max = 0;
};

// One step from `value`: outside active limits a step toward them lands on the limit and a step
// away does nothing; inside, the result is clamped to the limit it passed. Integers saturate at
// the 64-bit range.
Variant steppedNumber(const Variant &value, double step, NumberKind kind, const NumericLimits &limits);

// A value brought into active limits (an empty text commits as this of 0).
Variant clampedNumber(const Variant &value, NumberKind kind, const NumericLimits &limits);

} // namespace dorvane
