#pragma once
#include <cstdint>
#include <string>
#include <variant>

namespace dorvane {

// A tagged value: empty, null, a 64-bit integer, a double or a string.
class Variant
{
public:
    struct Empty { bool operator==(const Empty &) const { return true; } };
    struct Null { bool operator==(const Null &) const { return true; } };

    Variant() = default; // empty
    Variant(std::int64_t v) : m_value(v) {}
    Variant(int v) : m_value(static_cast<std::int64_t>(v)) {}
    Variant(double v) : m_value(v) {}
    Variant(std::string v) : m_value(std::move(v)) {}
    static Variant null() { Variant v; v.m_value = Null{}; return v; }

    bool isEmpty() const { return std::holds_alternative<Empty>(m_value); }
    bool isNull() const { return std::holds_alternative<Null>(m_value); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(m_value); }
    bool isDouble() const { return std::holds_alternative<double>(m_value); }
    bool isString() const { return std::holds_alternative<std::string>(m_value); }

    std::int64_t integer() const { return std::get<std::int64_t>(m_value); }
    double real() const { return std::get<double>(m_value); }
    const std::string &string() const { return std::get<std::string>(m_value); }

    bool operator==(const Variant &o) const { return m_value == o.m_value; }
    bool operator!=(const Variant &o) const { return !(*this == o); }

private:
    std::variant<Empty, Null, std::int64_t, double, std::string> m_value;
};

// Converts to a signed 32-bit integer: an integer must fit, a double rounds half to even,
// empty gives 0. Null, a value out of range or a string that is no whole number fails with
// "Range check error" (null and bad strings: "Invalid variant type conversion").
std::int32_t toInt32(const Variant &v);

} // namespace dorvane
