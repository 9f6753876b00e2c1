#include "mainwindow/word_count.h"

#include <gtest/gtest.h>

namespace {

using mainwindow::WordCount;

TEST(WordCount, LeavesOutBlanksAndLineBreaks)
{
    EXPECT_EQ(WordCount(QString()), 0);
    EXPECT_EQ(WordCount(QStringLiteral("中文 words")), 7);
    EXPECT_EQ(WordCount(QStringLiteral("a\r\nb\r\n")), 2);
    // Tabs, lone CRs and lone LFs count: only a CR LF pair is a line break.
    EXPECT_EQ(WordCount(QStringLiteral("a\tb\rc\nd")), 7);
}

TEST(WordCount, PairsFormedOnceBlanksAreGoneAreLeftOutOnce)
{
    // The blanks go first, so "CR blank LF" is a line break too.
    EXPECT_EQ(WordCount(QStringLiteral("a\r \nb")), 2);
    // Pairs are taken from the left and never share a character.
    EXPECT_EQ(WordCount(QStringLiteral("\r\r\n\n")), 2);
    EXPECT_EQ(WordCount(QStringLiteral("\r\n\n")), 1);
    EXPECT_EQ(WordCount(QStringLiteral("\r\r \n")), 1);
}

} // namespace
