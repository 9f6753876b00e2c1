#pragma once
// A program folder with a fresh database and a connection open on it.
#include "platform/storage/connection.h"
#include "platform/storage/recordset.h"
#include "support/program_folder_fixture.h"

#include "platform/error.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace storagetest {

inline QString connectionTextFor(const QString& windowsFolder)
{
    return "uid=admin;pwd=kv-marl;DRIVER={Microsoft Access Driver (*.mdb)};DBQ=" + windowsFolder + "\\lanmore.mdb";
}

// The message of the failure a step throws, or "(no failure)".
inline std::string failureOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const platform::Error& e) {
        return e.what();
    }
    return "(no failure)";
}

inline bool mentions(const std::string& message, const char* part)
{
    return message.find(part) != std::string::npos;
}

class StorageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        conn.setConnectionString(connectionTextFor(folder.windows()));
        conn.Open();
    }

    testsupport::ProgramFolder folder;
    platform::Connection conn;
};

} // namespace storagetest
