#include "platform/storage/session.h"

#include "platform/error.h"
#include "platform/storage/literal_parameters.h"
#include "platform/storage/sql_tokens.h"

#include <sqlite3.h>

namespace platform::detail {
namespace {

constexpr qsizetype kCacheLimit = 256;

// How long a statement waits for another connection's lock: long enough for another program's
// single write, short enough that a routine never freezes the window.
constexpr int kLockWaitMs = 150;

std::string inText(const QString& shown)
{
    return " (in: " + shown.toStdString() + ")";
}

} // namespace

Statement::Statement(Session& session, sqlite3_stmt* statement, bool owned, QString shownText)
    : session_(&session), statement_(statement), owned_(owned), shown_(std::move(shownText))
{
}

Statement::Statement(Statement&& other) noexcept
    : session_(other.session_), statement_(other.statement_), owned_(other.owned_), shown_(std::move(other.shown_))
{
    other.statement_ = nullptr;
}

Statement::~Statement()
{
    if (!statement_)
        return;
    if (owned_) {
        sqlite3_finalize(statement_);
    } else {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
}

void Statement::bind(int position, const Variant& value)
{
    int rc = SQLITE_OK;
    switch (value.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        rc = sqlite3_bind_null(statement_, position);
        break;
    case Variant::Type::Integer:
        rc = sqlite3_bind_int64(statement_, position, value.toInt64());
        break;
    case Variant::Type::Double:
        rc = sqlite3_bind_double(statement_, position, value.toDouble());
        break;
    case Variant::Type::Text: {
        // Bound as text: a numeric column's affinity turns numeric text into a number.
        const QByteArray utf8 = value.toString().toUtf8();
        rc = sqlite3_bind_text(statement_, position, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        break;
    }
    }
    if (rc != SQLITE_OK)
        throw Error(std::string("cannot pass a value: ") + sqlite3_errstr(rc) + inText(shown_));
}

bool Statement::step()
{
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE) {
        session_->noteLocked(rc);
        throw Error(std::string("the database refused the statement: ")
                    + sqlite3_errmsg(sqlite3_db_handle(statement_)) + inText(shown_));
    }
    session_->changes_ = sqlite3_changes(sqlite3_db_handle(statement_));
    return false;
}

bool Statement::readOnly() const
{
    return sqlite3_stmt_readonly(statement_) != 0;
}

int Statement::columnCount() const
{
    return sqlite3_column_count(statement_);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(statement_, column));
}

Variant Statement::column(int column) const
{
    switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER:
        return Variant(static_cast<qint64>(sqlite3_column_int64(statement_, column)));
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(statement_, column));
    case SQLITE_NULL:
        return Variant::null();
    default:
        return Variant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement_, column)),
                                         sqlite3_column_bytes(statement_, column)));
    }
}

Variant Statement::column(int column, const Variant& above, std::string& lastText) const
{
    if (sqlite3_column_type(statement_, column) != SQLITE_TEXT)
        return this->column(column);
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const std::string_view bytes(text, std::size_t(sqlite3_column_bytes(statement_, column)));
    if (above.type() == Variant::Type::Text && bytes == lastText)
        return above;
    lastText.assign(bytes);
    return Variant(QString::fromUtf8(text, qsizetype(bytes.size())));
}

qint64 Statement::columnInt64(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

Session::Session(const QString& nativePath)
{
    const QByteArray path = nativePath.toUtf8();
    // Never created here: the database file ships with the program. One thread uses it.
    const int rc = sqlite3_open_v2(path.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::string problem;
    if (rc != SQLITE_OK) {
        problem = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    } else {
        sqlite3_busy_timeout(db_, kLockWaitMs);
        // Reading the schema proves the file is a database at all.
        if (sqlite3_exec(db_, "select count(*) from sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK)
            problem = sqlite3_errmsg(db_);
    }
    if (!problem.empty()) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error("cannot open the database file " + path.toStdString() + ": " + problem);
    }
    // A write-ahead log makes each commit cheap and never corrupts the file on a crash; where
    // the folder cannot hold one the file keeps its rollback journal.
    // A file another program holds locked cannot change its journal now: the lock is noted.
    noteLocked(sqlite3_exec(db_, "pragma journal_mode=wal", nullptr, nullptr, nullptr));
    // Every commit is on the disk before the change goes on: a row stored is never lost to a
    // power cut once its file has taken its place, which would list the document in the
    // default style. Commits come one per person's action, so their cost is not felt.
    sqlite3_exec(db_, "pragma synchronous=full", nullptr, nullptr, nullptr);
}

Session::~Session()
{
    close();
}

void Session::close()
{
    if (!db_)
        return;
    for (sqlite3_stmt* statement : std::as_const(cache_))
        sqlite3_finalize(statement);
    cache_.clear();
    // An unfinished batch is not stored: closing rolls it back.
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

sqlite3* Session::handle(const QString& shownText) const
{
    if (!db_)
        throw Error("the connection is closed" + inText(shownText));
    return db_;
}

void Session::noteLocked(int rc)
{
    const int primary = rc & 0xFF;
    if (db_ && (primary == SQLITE_BUSY || primary == SQLITE_LOCKED))
        sqlite3_busy_timeout(db_, 0);
}

void Session::run(const char* sql, const char* what)
{
    sqlite3* db = handle(QString::fromLatin1(sql));
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        noteLocked(rc);
        throw Error(std::string(what) + ": " + sqlite3_errmsg(db));
    }
}

void Session::begin()
{
    if (inBatch())
        throw Error("a batch of writes is already open");
    run("begin immediate", "cannot start a batch of writes");
}

void Session::commit()
{
    if (!inBatch())
        throw Error("no batch of writes is open");
    run("commit", "cannot store the batch of writes");
}

void Session::rollback()
{
    if (!inBatch())
        throw Error("no batch of writes is open");
    run("rollback", "cannot undo the batch of writes");
}

bool Session::inBatch() const
{
    return db_ && !sqlite3_get_autocommit(db_);
}

Statement Session::compiled(const QString& text, const QString& shownText)
{
    sqlite3* db = handle(shownText);
    sqlite3_stmt* statement = cache_.value(text);
    if (statement && !sqlite3_stmt_busy(statement))
        return Statement(*this, statement, false, shownText);
    if (!statement && cache_.size() >= kCacheLimit) {
        for (sqlite3_stmt* old : std::as_const(cache_))
            sqlite3_finalize(old);
        cache_.clear();
    }

    const QByteArray utf8 = text.toUtf8();
    const char* tail = nullptr;
    statement = nullptr;
    const int rc = sqlite3_prepare_v3(db, utf8.constData(), static_cast<int>(utf8.size()),
                                      SQLITE_PREPARE_PERSISTENT, &statement, &tail);
    if (rc != SQLITE_OK) {
        noteLocked(rc);
        throw Error(std::string("the database rejected the query text: ") + sqlite3_errmsg(db) + inText(shownText));
    }
    if (!statement)
        throw Error("the query text holds no statement" + inText(shownText));
    const qsizetype used = tail - utf8.constData();
    if (sql::Tokens(QString::fromUtf8(utf8.constData() + used, utf8.size() - used)).sizeWithoutTerminator() > 0) {
        sqlite3_finalize(statement);
        throw Error("characters found after the end of the statement" + inText(shownText));
    }
    if (cache_.contains(text)) // the kept one is in use: this one is for once only
        return Statement(*this, statement, true, shownText);
    cache_.insert(text, statement);
    return Statement(*this, statement, false, shownText);
}

Statement Session::prepare(const QString& text, const QString& shownText)
{
    sql::ParameterizedText parameterized = sql::withParameters(text);
    Statement statement = compiled(parameterized.text, shownText);
    int position = 0;
    for (const Variant& value : parameterized.values)
        statement.bind(++position, value);
    return statement;
}

Statement Session::cached(const QString& text)
{
    return compiled(text, text);
}

qint64 Session::lastInsertRowid() const
{
    return sqlite3_last_insert_rowid(db_);
}

int Session::changes() const
{
    return changes_;
}

} // namespace platform::detail
