#include "numeric_text.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace dorvane {

namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the shape and returns it in C form ("-12.5E3"), or an empty string when malformed.
QString canonicalNumber(const QString &text, QChar separator, bool &plainInteger)
{
    int i = 0;
    const int n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    int end = n;
    while (end > i && isBlank(text[end - 1]))
        --end;
    QString out;
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        out += text[i++];
    int mantissaDigits = 0;
    while (i < end && isDigit(text[i])) {
        out += text[i++];
        ++mantissaDigits;
    }
    plainInteger = true;
    if (i < end && text[i] == separator) {
        plainInteger = false;
        out += QLatin1Char('.');
        ++i;
        while (i < end && isDigit(text[i])) {
            out += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        plainInteger = false;
        out += QLatin1Char('e');
        ++i;
        if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            out += text[i++];
        int exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            out += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return {};
    }
    return i == end ? out : QString();
}

} // namespace

const char *NumericConversion::message() const
{
    switch (status) {
    case Invalid: return "Invalid numeric value";
    case OutOfBounds: return "Value out of bounds";
    default: return "";
    }
}

double roundHalfEven(double v)
{
    return std::nearbyint(v); // the default rounding mode breaks ties to even
}

NumericConversion convertNumericText(const QString &text, NumberKind kind, QChar decimalSeparator)
{
    NumericConversion result;
    if (text.isEmpty())
        return result; // blanks alone are text that is no number, not an empty box
    bool plainInteger = false;
    const QString canonical = canonicalNumber(text, decimalSeparator, plainInteger);
    if (canonical.isEmpty()) {
        result.status = NumericConversion::Invalid;
        return result;
    }
    const auto lowest = -kTwoTo63;
    const auto highest = kTwoTo63 - 1;
    if (kind == NumberKind::Integer && plainInteger) {
        // Whole numbers are read exactly: a double would lose digits beyond 2^53.
        bool ok = false;
        const qlonglong v = canonical.toLongLong(&ok);
        if (!ok || v == std::numeric_limits<qlonglong>::min() || v == std::numeric_limits<qlonglong>::max()) {
            result.status = NumericConversion::OutOfBounds;
            return result;
        }
        result.status = NumericConversion::Converted;
        result.value = Variant(static_cast<std::int64_t>(v));
        return result;
    }
    bool ok = false;
    const double d = QLocale::c().toDouble(canonical, &ok);
    if (!ok || !std::isfinite(d)) {
        // The shape was right, so only the magnitude can have failed: too large a number is out
        // of bounds, while one too close to zero for a double (the reader gives 0) cannot be
        // read at all and must not pass for 0.
        result.status = std::isinf(d) ? NumericConversion::OutOfBounds : NumericConversion::Invalid;
        return result;
    }
    if (kind == NumberKind::Float) {
        result.status = NumericConversion::Converted;
        result.value = Variant(d);
        return result;
    }
    if (!(d > lowest && d < highest)) {
        result.status = NumericConversion::OutOfBounds;
        return result;
    }
    const double rounded = roundHalfEven(d);
    if (!(rounded > lowest && rounded < kTwoTo63)) {
        result.status = NumericConversion::OutOfBounds;
        return result;
    }
    result.status = NumericConversion::Converted;
    result.value = Variant(static_cast<std::int64_t>(rounded));
    return result;
}

QString numericText(const Variant &value, QChar decimalSeparator)
{
    if (value.isInteger())
        return QString::number(static_cast<qlonglong>(value.integer()));
    if (value.isDouble()) {
        QString s = QString::number(value.real(), 'g', 15);
        return s.replace(QLatin1Char('.'), decimalSeparator);
    }
    return QStringLiteral("0");
}

} // namespace dorvane

namespace dorvane {

namespace {

double asDouble(const Variant &v)
{
    return v.isInteger() ? static_cast<double>(v.integer()) : v.isDouble() ? v.real() : 0.0;
}

Variant ofKind(double d, NumberKind kind)
{
    if (kind == NumberKind::Float)
        return Variant(d);
    const double r = roundHalfEven(d);
    if (r >= kTwoTo63)
        return Variant(std::numeric_limits<std::int64_t>::max());
    if (r <= -kTwoTo63)
        return Variant(std::numeric_limits<std::int64_t>::min());
    return Variant(static_cast<std::int64_t>(r));
}

Variant added(const Variant &value, double step, NumberKind kind)
{
    if (kind == NumberKind::Float)
        return Variant(asDouble(value) + step);
    const std::int64_t base = value.isInteger() ? value.integer() : ofKind(asDouble(value), kind).integer();
    const double whole = roundHalfEven(step);
    if (whole >= kTwoTo63 || whole <= -kTwoTo63)
        return ofKind(static_cast<double>(base) + whole, kind);
    std::int64_t sum = 0;
    if (__builtin_add_overflow(base, static_cast<std::int64_t>(whole), &sum))
        return Variant(whole > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min());
    return Variant(sum);
}

} // namespace

Variant clampedNumber(const Variant &value, NumberKind kind, const NumericLimits &limits)
{
    if (!limits.active)
        return value;
    const double d = asDouble(value);
    if (d < limits.min)
        return ofKind(limits.min, kind);
    if (d > limits.max)
        return ofKind(limits.max, kind);
    return value;
}

Variant steppedNumber(const Variant &value, double step, NumberKind kind, const NumericLimits &limits)
{
    const double current = asDouble(value);
    if (limits.active) {
        if (current < limits.min)
            return step > 0 ? ofKind(limits.min, kind) : value;
        if (current > limits.max)
            return step < 0 ? ofKind(limits.max, kind) : value;
    }
    return clampedNumber(added(value, step, kind), kind, limits);
}

} // namespace dorvane
