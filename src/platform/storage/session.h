#pragma once
// The engine's side of one open connection, shared by the result sets opened on it so that a
// result set outliving its connection fails cleanly instead of touching a closed handle.
//
// While open, the session holds the database's write lock between statements and commits after
// every statement that changed something: each change is stored at once and other connections
// see it, but they cannot write until this one closes. Holding the lock spares every query the
// engine's locking, which is most of its cost in the routines' loops of small queries.
#include "platform/storage/variant.h"

#include <QHash>
#include <QString>

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

private:
    friend class Statement;
    sqlite3* handle(const QString& shownText) const;
    Statement compiled(const QString& text, const QString& shownText);
    void hold();
    void commit(const QString& shownText);

    sqlite3* db_ = nullptr;
    QHash<QString, sqlite3_stmt*> cache_;
    int changes_ = 0;
};

} // namespace platform::detail
