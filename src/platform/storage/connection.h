#pragma once
// A connection to the program's database file, named by the DBQ= entry of its connection string.
#include "platform/storage/storage_constants.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace platform {

namespace detail {
class Session;
}

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& ConnectionString() const { return connectionString_; }
    void setConnectionString(const QString& text);

    int State() const; // adStateClosed or adStateOpen

    // A non-empty connectionString replaces the current one. The file must exist; user and
    // password are not checked by the engine. Fails when already open.
    void Open(const QString& connectionString = {}, const QString& userId = {}, const QString& password = {},
              int options = adCmdUnspecified);
    void Close(); // fails when not open

    // Runs one statement; recordsAffected receives the count of rows it added, changed or removed.
    void Execute(const QString& commandText, std::int32_t* recordsAffected = nullptr, int options = adCmdUnspecified);

    // A batch of writes stored together: the write lock is held from BeginTrans to CommitTrans
    // (or RollbackTrans); closing the connection in between drops the batch.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();

    // The open engine session, for the result sets opened on this connection.
    std::shared_ptr<detail::Session> session() const;

private:
    QString connectionString_;
    std::shared_ptr<detail::Session> session_;
};

// The native path of the DBQ= entry of a connection string ("\" read as "/"); empty when absent.
QString databasePath(const QString& connectionString);

} // namespace platform
