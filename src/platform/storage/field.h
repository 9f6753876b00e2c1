#pragma once
// A column of a result set's current row, read and assigned by name: Rs["Title"] = title.
#include "platform/storage/variant.h"

#include <QString>

#include <cstdint>

namespace platform {

class Recordset;

class Field {
public:
    Field(Recordset& owner, int column) : owner_(&owner), column_(column) {}
    Field(const Field&) = default;

    QString Name() const;
    Variant Value() const; // fails when there is no current row
    void setValue(const Variant& value);

    Field& operator=(const Variant& value)
    {
        setValue(value);
        return *this;
    }
    // Assigning one field to another copies the value, not the reference.
    Field& operator=(const Field& other)
    {
        setValue(other.Value());
        return *this;
    }
    operator Variant() const { return Value(); }

    QString toString() const { return Value().toString(); }
    std::int32_t toInt32() const { return Value().toInt32(); }
    std::int16_t toInt16() const { return Value().toInt16(); }
    double toDouble() const { return Value().toDouble(); }
    bool toBool() const { return Value().toBool(); }

private:
    Recordset* owner_;
    int column_;
};

} // namespace platform
