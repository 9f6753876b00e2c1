#include "platform/storage/connection.h"

#include "platform/error.h"
#include "platform/storage/access_sql.h"
#include "platform/storage/session.h"

namespace platform {

QString databasePath(const QString& connectionString)
{
    // Entries are key=value separated by ";"; a value in braces may hold ";".
    qsizetype i = 0;
    const qsizetype n = connectionString.size();
    while (i < n) {
        const qsizetype equals = connectionString.indexOf(u'=', i);
        if (equals < 0)
            break;
        const QString key = connectionString.mid(i, equals - i).trimmed();
        qsizetype end = equals + 1;
        if (end < n && connectionString[end] == u'{') {
            const qsizetype close = connectionString.indexOf(u'}', end);
            end = close < 0 ? n : close + 1;
        }
        end = connectionString.indexOf(u';', end);
        if (end < 0)
            end = n;
        if (key.compare(QLatin1String("DBQ"), Qt::CaseInsensitive) == 0) {
            QString value = connectionString.mid(equals + 1, end - equals - 1).trimmed();
            if (value.startsWith(u'{') && value.endsWith(u'}'))
                value = value.mid(1, value.size() - 2);
            return value.replace(u'\\', u'/');
        }
        i = end + 1;
    }
    return QString();
}

Connection::Connection() = default;

Connection::~Connection()
{
    if (session_)
        session_->close();
}

void Connection::setConnectionString(const QString& text)
{
    if (State() == adStateOpen)
        throw Error("the connection string cannot change while the connection is open");
    connectionString_ = text;
}

int Connection::State() const
{
    return session_ && session_->isOpen() ? adStateOpen : adStateClosed;
}

void Connection::Open(const QString& connectionString, const QString&, const QString&, int)
{
    if (State() == adStateOpen)
        throw Error("the connection is already open");
    if (!connectionString.isEmpty())
        connectionString_ = connectionString;
    const QString path = databasePath(connectionString_);
    if (path.isEmpty())
        throw Error("the connection string names no database file (DBQ=): " + connectionString_.toStdString());
    session_ = std::make_shared<detail::Session>(path);
}

void Connection::Close()
{
    if (State() != adStateOpen)
        throw Error("the connection is not open");
    session_->close();
    session_.reset();
}

void Connection::Execute(const QString& commandText, std::int32_t* recordsAffected, int)
{
    if (State() != adStateOpen)
        throw Error("cannot run a statement on a closed connection (in: " + commandText.toStdString() + ")");
    detail::Statement statement = session_->prepare(sql::fromAccess(commandText), commandText);
    // Rows a query delivers are not wanted here.
    while (statement.step()) {
    }
    if (recordsAffected)
        *recordsAffected = statement.readOnly() ? 0 : session_->changes();
}

void Connection::BeginTrans()
{
    if (State() != adStateOpen)
        throw Error("cannot begin a batch of writes on a closed connection");
    session_->begin();
}

void Connection::CommitTrans()
{
    if (State() != adStateOpen)
        throw Error("cannot store a batch of writes on a closed connection");
    session_->commit();
}

void Connection::RollbackTrans()
{
    if (State() != adStateOpen)
        throw Error("cannot undo a batch of writes on a closed connection");
    session_->rollback();
}

std::shared_ptr<detail::Session> Connection::session() const
{
    return State() == adStateOpen ? session_ : nullptr;
}

} // namespace platform
