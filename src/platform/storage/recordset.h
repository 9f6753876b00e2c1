#pragma once
// A keyset result set: opening reads every row of the query at once, so the row count is exact
// and moving is free. Rows of "select * from <table> ..." can be added, changed and deleted
// through it; each change is written to the database at once (Update, Delete).
#include "platform/storage/field.h"
#include "platform/storage/storage_constants.h"
#include "platform/storage/variant.h"

#include <QString>

#include <deque>
#include <memory>
#include <vector>

namespace platform {

class Connection;
namespace detail {
class Session;
class Statement;
}

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Any cursor and lock type gives a keyset cursor with optimistic locking. Fails when
    // already open, when the connection is closed, or when the engine rejects the text.
    void Open(const QString& source, Connection& activeConnection, int cursorType = adOpenKeyset,
              int lockType = adLockOptimistic, int options = adCmdUnspecified);
    void Close(); // fails when not open; a pending AddNew or change is dropped
    int State() const { return open_ ? adStateOpen : adStateClosed; }
    const QString& Source() const { return source_; }

    int RecordCount() const;
    bool Eof() const; // past the last row (the EOF of the routines)
    bool Bof() const; // before the first row, or no row at all
    void MoveFirst();
    void MoveNext();  // fails at EOF

    // Fails when no column has that name (letter case ignored).
    Field Fields(const QString& name);
    Field operator[](const QString& name) { return Fields(name); }

    void AddNew();       // values assigned next form a new row, written by Update
    void Update();       // writes the new or changed row and takes its values as stored
    void CancelUpdate();
    void Delete();       // removes the current row; it stays current, unreadable, until a move

    // Used by Field.
    QString columnName(int column) const;
    Variant value(int column) const;
    void setValue(int column, const Variant& value);

private:
    enum class Pending { None, Adding, Editing };

    void requireOpen(const char* what) const;
    void requireChangeable() const;
    void requireRow(const char* what, int column) const;
    qsizetype rows() const { return static_cast<qsizetype>(keys_.size()); }
    qsizetype firstLiveFrom(qsizetype row) const;
    void finishPending();
    void writeNewRow(const std::vector<int>& columns);
    void writeChangedRow(const std::vector<int>& columns);
    void takeStoredRow(detail::Statement& written, qsizetype row);
    std::string context() const;

    bool open_ = false;
    QString source_;
    QString table_; // empty: the rows cannot be changed
    std::shared_ptr<detail::Session> session_;
    std::vector<QString> names_;
    int columns_ = 0;
    std::deque<Variant> cells_; // row by row; grows without moving what it holds
    std::vector<qint64> keys_;
    std::vector<bool> deleted_;
    int live_ = 0;
    qsizetype position_ = 0;
    Pending pending_ = Pending::None;
    std::vector<Variant> buffer_;
    std::vector<bool> changed_;
};

} // namespace platform
