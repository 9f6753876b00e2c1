#include "platform/storage/variant.h"

#include "platform/error.h"

#include <cmath>
#include <optional>

namespace platform {
namespace {

std::string quotedText(const QString& text)
{
    return "\"" + text.toStdString() + "\"";
}

// Numeric text as the routines meet it: optional blanks around a decimal number.
std::optional<double> numberFromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

[[noreturn]] void nullUsed(const char* what)
{
    throw Error(std::string("Invalid use of Null: a Null value cannot be converted to ") + what);
}

} // namespace

Variant Variant::null()
{
    Variant v;
    v.value_ = NullValue{};
    return v;
}

QString Variant::toString() const
{
    switch (type()) {
    case Type::Empty:
        return QString();
    case Type::Null:
        nullUsed("text");
    case Type::Integer:
        return QString::number(std::get<std::int64_t>(value_));
    case Type::Double:
        return QString::number(std::get<double>(value_), 'g', 15).toUpper();
    case Type::Text:
        break;
    }
    return std::get<QString>(value_);
}

std::int64_t Variant::toWhole(std::int64_t low, std::int64_t high, const char* kind) const
{
    auto overflow = [&](const std::string& shown) {
        return Error("Overflow: " + shown + " does not fit in a " + kind + " whole number");
    };
    double number = 0;
    switch (type()) {
    case Type::Empty:
        return 0;
    case Type::Null:
        nullUsed((std::string("a ") + kind + " whole number").c_str());
    case Type::Integer: {
        const std::int64_t value = std::get<std::int64_t>(value_);
        if (value < low || value > high)
            throw overflow(std::to_string(value));
        return value;
    }
    case Type::Double:
        number = std::get<double>(value_);
        break;
    case Type::Text: {
        const auto parsed = numberFromText(std::get<QString>(value_));
        if (!parsed)
            throw Error("Type mismatch: " + quotedText(std::get<QString>(value_)) + " is not a number");
        number = *parsed;
        break;
    }
    }
    const double rounded = std::nearbyint(number); // the default mode rounds half to even
    // high + 1 is exact where high itself is not (64 bits), so the test stays exact.
    if (!(rounded >= static_cast<double>(low) && rounded < static_cast<double>(high) + 1.0))
        throw overflow(toString().toStdString());
    return static_cast<std::int64_t>(rounded);
}

std::int32_t Variant::toInt32() const
{
    return static_cast<std::int32_t>(toWhole(INT32_MIN, INT32_MAX, "32-bit"));
}

std::int16_t Variant::toInt16() const
{
    return static_cast<std::int16_t>(toWhole(INT16_MIN, INT16_MAX, "16-bit"));
}

std::int64_t Variant::toInt64() const
{
    return toWhole(INT64_MIN, INT64_MAX, "64-bit");
}

double Variant::toDouble() const
{
    switch (type()) {
    case Type::Empty:
        return 0;
    case Type::Null:
        nullUsed("a number");
    case Type::Integer:
        return static_cast<double>(std::get<std::int64_t>(value_));
    case Type::Double:
        return std::get<double>(value_);
    case Type::Text:
        break;
    }
    const auto parsed = numberFromText(std::get<QString>(value_));
    if (!parsed)
        throw Error("Type mismatch: " + quotedText(std::get<QString>(value_)) + " is not a number");
    return *parsed;
}

bool Variant::toBool() const
{
    if (type() == Type::Text) {
        const QString text = std::get<QString>(value_).trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        const auto parsed = numberFromText(text);
        if (!parsed)
            throw Error("Type mismatch: " + quotedText(std::get<QString>(value_)) + " is not True or False");
        return *parsed != 0;
    }
    if (type() == Type::Null)
        nullUsed("True or False");
    return toDouble() != 0;
}

} // namespace platform
