#pragma once
// The program's one database connection and its two shared result sets, and the routines that
// open and close them. Each of the three is made on first use and released by the closing
// routines; nothing here traps a failure.
#include "platform/storage/connection.h"
#include "platform/storage/recordset.h"

#include <QString>

#include <cstdint>

namespace Module1 {

// The objects themselves, made (closed) when none is held.
platform::Connection& Conn();
platform::Recordset& Rs();
platform::Recordset& Rs2();

// Whether an object is held, without making one.
bool HoldsConn();
bool HoldsRs();
bool HoldsRs2();

// The connection string OpenConn sets: the database file beside the program.
QString ConnectionText();

bool OpenConn();
void OpenRs(QString sql);
void OpenRs2(QString sql);
void CloseRs();
void CloseRsAndConn();
void CloseRs2AndConn();
std::int32_t ExecuteSql(QString sql);
void CloseConn();

} // namespace Module1
