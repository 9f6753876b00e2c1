#include "platform/storage/field.h"

#include "platform/storage/recordset.h"

namespace platform {

QString Field::Name() const
{
    return owner_->columnName(column_);
}

Variant Field::Value() const
{
    return owner_->value(column_);
}

void Field::setValue(const Variant& value)
{
    owner_->setValue(column_, value);
}

} // namespace platform
