#pragma once
// A result set can add, change and delete rows only when each of its rows is one row of one table:
// "select * from <table>" with at most a where, order by and limit clause. Such a query is read
// with the row key in front, so that every row can be found again.
#include <QString>

#include <optional>

namespace platform::sql {

struct KeyedSelect {
    QString text;  // the query with the row key as its first column
    QString table; // as written in the query
};

std::optional<KeyedSelect> keyedSelect(const QString& sqliteText);

} // namespace platform::sql
