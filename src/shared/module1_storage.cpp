#include "shared/module1_storage.h"

#include "platform/program_folder.h"

#include <memory>

namespace Module1 {
namespace {

std::unique_ptr<platform::Connection> conn;
std::unique_ptr<platform::Recordset> rs;
std::unique_ptr<platform::Recordset> rs2;

template <class T>
T& held(std::unique_ptr<T>& object)
{
    if (!object)
        object = std::make_unique<T>();
    return *object;
}

// The result set is made only once the connection is open, as the steps come in that order.
void openOn(std::unique_ptr<platform::Recordset>& set, const QString& sql)
{
    if (Conn().State() == platform::adStateClosed)
        OpenConn();
    if (held(set).State() == platform::adStateOpen)
        set->Close();
    set->Open(sql, Conn(), platform::adOpenKeyset, platform::adLockOptimistic, platform::adCmdUnspecified);
}

void closeAndRelease(std::unique_ptr<platform::Recordset>& set)
{
    if (held(set).State() == platform::adStateOpen)
        set->Close();
    set.reset();
}

} // namespace

platform::Connection& Conn() { return held(conn); }
platform::Recordset& Rs() { return held(rs); }
platform::Recordset& Rs2() { return held(rs2); }

bool HoldsConn() { return conn != nullptr; }
bool HoldsRs() { return rs != nullptr; }
bool HoldsRs2() { return rs2 != nullptr; }

QString ConnectionText()
{
    return "uid=admin;pwd=kv-marl;DRIVER={Microsoft Access Driver (*.mdb)};DBQ=" + platform::programFolder()
        + "\\lanmore.mdb";
}

bool OpenConn()
{
    Conn().setConnectionString(ConnectionText());
    Conn().Open(QString(), QString(), QString(), platform::adCmdUnspecified);
    return true;
}

void OpenRs(QString sql)
{
    openOn(rs, sql);
}

void OpenRs2(QString sql)
{
    openOn(rs2, sql);
}

void CloseRs()
{
    closeAndRelease(rs);
}

void CloseConn()
{
    if (Conn().State() == platform::adStateOpen)
        conn->Close();
    conn.reset();
}

void CloseRsAndConn()
{
    closeAndRelease(rs);
    CloseConn();
}

void CloseRs2AndConn()
{
    closeAndRelease(rs2);
    CloseConn();
}

std::int32_t ExecuteSql(QString sql)
{
    if (Conn().State() == platform::adStateClosed)
        OpenConn();
    std::int32_t recordsAffected = 0;
    Conn().Execute(sql, &recordsAffected, platform::adCmdUnspecified);
    CloseConn();
    return recordsAffected;
}

} // namespace Module1
