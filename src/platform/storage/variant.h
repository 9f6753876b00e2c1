#pragma once
// A field value as the routines see it: empty, null, a whole number, a double or text, with the
// conversions they use. Conversions that cannot give a sound result throw platform::Error.
#include <QString>

#include <concepts>
#include <cstdint>
#include <utility>
#include <variant>

namespace platform {

class Variant {
public:
    enum class Type { Empty, Null, Integer, Double, Text };

    Variant() = default; // Empty
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    Variant(T value) : value_(static_cast<std::int64_t>(value))
    {
    }
    Variant(double value) : value_(value) {}
    Variant(const QString& value) : value_(value) {}
    Variant(QString&& value) : value_(std::move(value)) {}
    Variant(const char* utf8) : value_(QString::fromUtf8(utf8)) {}
    Variant(bool) = delete; // keeps stray pointers from turning into values

    static Variant null();

    Type type() const { return static_cast<Type>(value_.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNull() const { return type() == Type::Null; }

    QString toString() const;      // empty gives ""
    std::int32_t toInt32() const;  // doubles and numeric text round half to even
    std::int16_t toInt16() const;
    std::int64_t toInt64() const;
    double toDouble() const;       // empty gives 0
    bool toBool() const;           // numbers: not 0; text: True/False or a number

    bool operator==(const Variant&) const = default;

private:
    struct NullValue {
        bool operator==(const NullValue&) const = default;
    };
    std::variant<std::monostate, NullValue, std::int64_t, double, QString> value_;

    std::int64_t toWhole(std::int64_t low, std::int64_t high, const char* kind) const;
};

} // namespace platform
