#pragma once
// The engine's side of one open connection, shared by the result sets opened on it so that a
// result set outliving its connection fails cleanly instead of touching a closed handle.
//
// Each statement stores its change at once and holds the database's write lock only while it
// runs; reads take none, so another process (a second instance, the sqlite3 tool, a backup) is
// never shut out for longer than one write. A batch of writes (begin ... commit) holds the lock
// for the whole batch and is stored all together or not at all.
//
// While another connection holds the lock, a statement waits a short while and then fails.
// Once one has failed so, the others of the same session fail without waiting: the lock is
// held for long, and one routine's many statements must not add up to a frozen window.
#include "platform/storage/variant.h"

#include <QHash>
#include <QString>

#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::detail {

class Session;

class Statement {
public:
    Statement(Session& session, sqlite3_stmt* statement, bool owned, QString shownText);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;

    void bind(int position, const Variant& value); // positions count from 1
    bool step();                                   // true while a row is delivered
    bool readOnly() const;
    int columnCount() const;
    QString columnName(int column) const;
    Variant column(int column) const;
    // The same value, its text shared with above when that is the very same text: a column
    // repeating one font name down thousands of rows then holds one copy of it. lastText
    // keeps the bytes of the column's previous text between rows.
    Variant column(int column, const Variant& above, std::string& lastText) const;
    qint64 columnInt64(int column) const;

private:
    Session* session_;
    sqlite3_stmt* statement_;
    bool owned_; // cached statements are only reset
    QString shown_;
};

class Session {
public:
    explicit Session(const QString& nativePath); // throws Error
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool isOpen() const { return db_ != nullptr; }
    void close();

    // The one statement of a caller's text, its literals bound as parameters; more than one
    // statement is refused. shownText names the caller's text in failures.
    Statement prepare(const QString& text, const QString& shownText);
    // A statement of this layer's own, kept compiled for reuse.
    Statement cached(const QString& text);

    qint64 lastInsertRowid() const;
    int changes() const;

    // A batch of writes: the write lock is taken at its start (failing like a locked statement)
    // and kept until commit or rollback; closing the session in between rolls it back.
    void begin();
    void commit();
    void rollback();
    bool inBatch() const;

private:
    friend class Statement;
    sqlite3* handle(const QString& shownText) const;
    Statement compiled(const QString& text, const QString& shownText);
    void run(const char* sql, const char* what);
    // Notes a failure on another connection's lock: the session's later statements wait no more.
    void noteLocked(int rc);

    sqlite3* db_ = nullptr;
    QHash<QString, sqlite3_stmt*> cache_;
    int changes_ = 0;
};

} // namespace platform::detail
