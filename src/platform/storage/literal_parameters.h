#pragma once
// Query texts that differ only in the names or numbers they compare with ("Title='a'",
// "Title='b'") share one compiled statement: such literals become parameters, bound to the
// same values. Only a quoted text or a whole number right after a comparison or an assignment
// in a query or a data statement is taken, where a parameter means exactly what the literal did.
#include "platform/storage/variant.h"

#include <QString>

#include <optional>
#include <vector>

namespace platform::sql {

struct ParameterizedText {
    QString text;
    std::vector<Variant> values;
};

ParameterizedText withParameters(const QString& text);

} // namespace platform::sql
