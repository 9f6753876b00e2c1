#include "platform/controls/combo_box.h"

#include "platform/error.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(DropDownList, ChoosesOnlyTextsItHoldsAndStartsWithNone)
{
    ComboBox sizes(nullptr, 2);
    for (const char* s : {"8", "9", "10", "12"})
        sizes.AddItem(s);
    EXPECT_EQ(sizes.ListCount(), 4);
    EXPECT_EQ(sizes.ListIndex(), -1);
    EXPECT_EQ(sizes.Text(), "");

    sizes.setText("10");
    EXPECT_EQ(sizes.ListIndex(), 2);
    EXPECT_EQ(sizes.Text(), "10");

    EXPECT_THROW(sizes.setText("11"), Error);
    EXPECT_THROW(sizes.setText(""), Error);
    EXPECT_EQ(sizes.Text(), "10");   // a refused text changes nothing

    EXPECT_EQ(sizes.List(3), "12");
    EXPECT_THROW(sizes.List(4), Error);
    EXPECT_THROW(sizes.setListIndex(4), Error);
    sizes.setListIndex(-1);
    EXPECT_EQ(sizes.Text(), "");
}

TEST(DropDownList, MatchesLetterCaseAsideButShowsTheEntry)
{
    ComboBox types(nullptr, 2);
    types.AddItem("Work");
    types.AddItem("work");
    types.setText("work");
    EXPECT_EQ(types.ListIndex(), 1);   // the exact spelling wins
    types.setText("WORK");
    EXPECT_EQ(types.Text(), "Work");
    types.Clear();
    EXPECT_EQ(types.ListCount(), 0);
    EXPECT_THROW(types.setText("Work"), Error);
}

TEST(DropDownList, ClickIsRaisedByTheUsersChoiceOnly)
{
    ComboBox names(nullptr, 2);
    names.AddItem("宋体");
    names.AddItem("隶书");
    int clicks = 0;
    names.onClick = [&] { ++clicks; };
    names.setText("隶书");
    EXPECT_EQ(clicks, 0);
    emit names.activated(0);   // what the list's own choice sends
    EXPECT_EQ(clicks, 1);
}

TEST(EditableCombo, TakesAnyText)
{
    ComboBox box(nullptr, 0);
    box.AddItem("a");
    EXPECT_EQ(box.Text(), "");
    box.setText("free text");
    EXPECT_EQ(box.Text(), "free text");
}

} // namespace
