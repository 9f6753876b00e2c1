// The records of many entries of a folder looked up at once: each the record the single look-up
// gives.
#include "platform/files/folder_records.h"

#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTimeZone>

#include <algorithm>

namespace {

TEST(FolderRecords, EachEntryHasTheRecordOfItsOwnLookUp)
{
    testsupport::ProgramFolder pf(false);
    pf.writeFile("txt/A/plain.txt", QByteArray(5000, 'x'));
    pf.writeFile("txt/A/.hidden.txt", "h");
    pf.writeFile("txt/A/ro.txt", "r");
    pf.writeFile("txt/A/sub/inner.txt", "i");
    pf.writeFile("outside.txt", "o");
    QFile::setPermissions(pf.file("txt/A/ro.txt"), QFile::ReadOwner);
    ASSERT_TRUE(QFile::link(pf.file("outside.txt"), pf.file("txt/A/link.txt")));
    ASSERT_TRUE(QFile::link(pf.file("nothing"), pf.file("txt/A/dangling.txt")));
    QFile f(pf.file("txt/A/plain.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2024, 1, 5), QTime(3, 4, 5, 678), QTimeZone::utc()),
                              QFileDevice::FileModificationTime));
    f.close();

    const QString folder = pf.windows() + "\\txt\\a";   // found in another letter case
    const QStringList names{".hidden.txt", "link.txt", "plain.txt", "ro.txt", "sub", "dangling.txt"};
    const auto records = platform::FindDataOfEntries(folder, names);
    ASSERT_EQ(records.size(), std::size_t(names.size()));
    EXPECT_FALSE(records[5].has_value());   // the link to nothing
    for (int i = 0; i < 5; ++i) {
        const QString& name = names[i];
        platform::WIN32_FIND_DATA single;
        const platform::HANDLE search = platform::FindFirstFile(folder + "\\" + name, single);
        ASSERT_NE(search, platform::INVALID_HANDLE_VALUE) << name.toStdString();
        platform::FindClose(search);
        ASSERT_TRUE(records[std::size_t(i)].has_value()) << name.toStdString();
        const platform::WIN32_FIND_DATA& whole = *records[std::size_t(i)];
        EXPECT_EQ(whole.dwFileAttributes, single.dwFileAttributes) << name.toStdString();
        EXPECT_EQ(whole.nFileSizeLow, single.nFileSizeLow) << name.toStdString();
        EXPECT_EQ(whole.nFileSizeHigh, single.nFileSizeHigh);
        EXPECT_EQ(platform::fileTimeValue(whole.ftLastWriteTime), platform::fileTimeValue(single.ftLastWriteTime));
        EXPECT_EQ(platform::fileTimeValue(whole.ftCreationTime), platform::fileTimeValue(single.ftCreationTime));
        EXPECT_EQ(whole.cFileName, single.cFileName);
    }
    EXPECT_EQ(platform::fromFileTime(records[2]->ftLastWriteTime),
              QDateTime(QDate(2024, 1, 5), QTime(3, 4, 5, 678), QTimeZone::utc()));

    // Without names the records are the same but for the all-NUL name.
    const auto unnamed = platform::FindDataOfEntries(folder, names, platform::RecordNames::Left);
    ASSERT_EQ(unnamed.size(), records.size());
    for (std::size_t i = 0; i < 5; ++i) {
        ASSERT_TRUE(unnamed[i].has_value());
        EXPECT_EQ(unnamed[i]->nFileSizeLow, records[i]->nFileSizeLow);
        EXPECT_EQ(platform::fileTimeValue(unnamed[i]->ftLastWriteTime),
                  platform::fileTimeValue(records[i]->ftLastWriteTime));
        EXPECT_EQ(unnamed[i]->cFileName, QString(platform::kMaxPath, QChar(0)));
    }
}

} // namespace

namespace {
// A folder large enough to be looked up in slices: every entry keeps its own record, whichever
// slice looked it up, and an entry that cannot be looked up has none.
TEST(FolderRecords, AFolderOfThousandsHasEveryRecordRight)
{
    testsupport::ProgramFolder pf(false);
    constexpr int kFiles = 4500;
    for (int i = 0; i < kFiles; ++i)
        pf.writeFile(QString("txt/Big/f%1.txt").arg(i, 4, 10, QChar('0')), QByteArray(i % 997, 'x'));
    ASSERT_TRUE(QFile::link(pf.file("nothing"), pf.file("txt/Big/dangling.txt")));

    QStringList names;
    for (int i = 0; i < kFiles; ++i)
        names << QString("f%1.txt").arg(i, 4, 10, QChar('0'));
    names.insert(kFiles / 2, "dangling.txt");
    const auto records = platform::FindDataOfEntries(pf.windows() + "\\txt\\Big", names);
    ASSERT_EQ(records.size(), std::size_t(names.size()));
    for (qsizetype n = 0; n < names.size(); ++n) {
        const QString& name = names[n];
        const auto& record = records[std::size_t(n)];
        if (name == "dangling.txt") {
            EXPECT_FALSE(record.has_value());
            continue;
        }
        ASSERT_TRUE(record.has_value()) << name.toStdString();
        EXPECT_EQ(record->nFileSizeLow, platform::DWORD(name.mid(1, 4).toInt() % 997)) << name.toStdString();
        EXPECT_EQ(record->cFileName.left(name.size()), name);
    }
}
} // namespace

namespace {
// Records looked up for the names of a listing come back in the order of the names; a name that
// is not there, or would lead out of the folder, has none.
TEST(FolderRecords, NamedEntriesGetTheirRecordsInTheirOrder)
{
    testsupport::ProgramFolder pf(false);
    pf.writeFile("txt/A/one.txt", "1");
    pf.writeFile("txt/A/three.txt", "333");
    pf.writeFile("txt/secret.txt", "outside");
    const QStringList names{"three.txt", "missing.txt", "one.txt", "..", ".", "../secret.txt", "", "ONE.TXT"};
    const auto records = platform::FindDataOfEntries(pf.windows() + "\\txt\\A", names, platform::RecordNames::Left);
    ASSERT_EQ(records.size(), std::size_t(names.size()));
    ASSERT_TRUE(records[0].has_value());
    EXPECT_EQ(records[0]->nFileSizeLow, 3u);
    ASSERT_TRUE(records[2].has_value());
    EXPECT_EQ(records[2]->nFileSizeLow, 1u);
    for (const std::size_t none : {1u, 3u, 4u, 5u, 6u, 7u})
        EXPECT_FALSE(records[none].has_value()) << names[qsizetype(none)].toStdString();

    // A folder that is gone has no records at all.
    const auto gone = platform::FindDataOfEntries(pf.windows() + "\\txt\\Gone", names);
    EXPECT_EQ(std::count_if(gone.begin(), gone.end(), [](const auto& r) { return r.has_value(); }), 0);
}
} // namespace
