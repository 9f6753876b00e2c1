#include "shared/module2.h"

#include "platform/files/attributes.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTimeZone>

namespace {

using platform::fileTimeValue;

TEST(GetFileData, ReportsAFilesSizeAndTimes)
{
    testsupport::ProgramFolder pf(false);
    pf.writeFile("txt/A/b.txt", QByteArray(2048, 'x'));
    QFile f(pf.file("txt/A/b.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2009, 3, 7), QTime(8, 5, 9), QTimeZone::utc()),
                              QFileDevice::FileModificationTime));
    f.close();

    const platform::WIN32_FIND_DATA data = Module2::GetFileData(pf.windows() + "\\txt\\A\\b.txt");
    EXPECT_EQ(data.dwFileAttributes, platform::DWORD(platform::vbArchive));
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_EQ(data.nFileSizeLow, 2048u);
    EXPECT_EQ(fileTimeValue(data.ftLastWriteTime), 128808867090000000ull);
    EXPECT_NE(fileTimeValue(data.ftCreationTime), 0u);
    EXPECT_TRUE(data.cFileName.startsWith(QString("b.txt") + QChar(0)));
    EXPECT_EQ(data.cFileName.size(), 260);
}

TEST(GetFileData, ReportsAFolderAsItsOwnEntry)
{
    testsupport::ProgramFolder pf(false);
    pf.writeFile("txt/Work/big.txt", QByteArray(5000, 'x'));
    const platform::WIN32_FIND_DATA data = Module2::GetFileData(pf.windows() + "\\txt\\work");
    EXPECT_TRUE(data.dwFileAttributes & platform::vbDirectory);
    EXPECT_EQ(data.nFileSizeHigh + data.nFileSizeLow, 0u);
    EXPECT_TRUE(data.cFileName.startsWith(QString("Work") + QChar(0)));
}

TEST(GetFileData, GivesTheZeroRecordMarkedErrorForAMissingPath)
{
    testsupport::ProgramFolder pf(false);
    const platform::WIN32_FIND_DATA data = Module2::GetFileData(pf.windows() + "\\txt\\none.txt");
    EXPECT_EQ(data.cFileName, QString("Error") + QString(255, ' '));
    EXPECT_EQ(data.dwFileAttributes + data.nFileSizeHigh + data.nFileSizeLow, 0u);
    EXPECT_EQ(fileTimeValue(data.ftLastWriteTime) + fileTimeValue(data.ftCreationTime)
                  + fileTimeValue(data.ftLastAccessTime), 0u);
    EXPECT_EQ(data.cAlternate, QString(14, QChar(0)));
}

TEST(GetFileData, ANameHoldingWildcardsGivesThatFileOrTheErrorRecord)
{
    testsupport::ProgramFolder pf(false);
    pf.writeFile("txt/A/1.txt", QByteArray(3000, 'x'));
    pf.writeFile("txt/A/a?.txt", QByteArray(10, 'x'));
    const platform::WIN32_FIND_DATA own = Module2::GetFileData(pf.windows() + "\\txt\\A\\a?.txt");
    EXPECT_EQ(own.nFileSizeLow, 10u);
    // "?.txt" names no file; the lookup never reports the one its pattern would match.
    const platform::WIN32_FIND_DATA other = Module2::GetFileData(pf.windows() + "\\txt\\A\\?.txt");
    EXPECT_EQ(other.nFileSizeLow, 0u);
    EXPECT_TRUE(other.cFileName.startsWith("Error"));
}

} // namespace
