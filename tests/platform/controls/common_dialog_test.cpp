#include "platform/controls/common_dialog.h"
#include "platform/controls/toolkit_language.h"

#include "platform/error.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

using namespace platform;

namespace {

struct Chooser : ::testing::Test {
    std::vector<QColor> offered;
    std::optional<QColor> answer;
    ColorChooser previous;

    void SetUp() override
    {
        previous = setColorChooserSeam([this](QColor initial) {
            offered.push_back(initial);
            return answer;
        });
    }
    void TearDown() override { setColorChooserSeam(previous); }
};

TEST_F(Chooser, KeepsTheColourChosenAndStartsFromIt)
{
    CommonDialog dialog;
    dialog.setCancelError(true);
    dialog.setFlags(cdlCCRGBInit);
    answer = QColor(0xED, 0xEE, 0xF0);
    dialog.setAction(3);
    EXPECT_EQ(dialog.Color(), 0xF0EEED);

    answer = QColor(1, 2, 3);
    dialog.setAction(3);
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[1], QColor(0xED, 0xEE, 0xF0));
    EXPECT_EQ(dialog.Color(), 0x030201);
}

TEST_F(Chooser, ACancelFailsWithTheCancelErrorAndKeepsTheColour)
{
    CommonDialog dialog;
    dialog.setColor(0x123456);
    dialog.setCancelError(true);
    answer = std::nullopt;
    try {
        dialog.setAction(3);
        FAIL() << "a cancel must fail";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("32755"), std::string::npos);
    }
    EXPECT_EQ(dialog.Color(), 0x123456);

    dialog.setCancelError(false);
    EXPECT_NO_THROW(dialog.ShowColor());
    EXPECT_EQ(dialog.Color(), 0x123456);
    EXPECT_EQ(offered.back(), QColor(Qt::black));   // without flag 1 it starts at black
    EXPECT_THROW(dialog.setAction(1), Error);
}

TEST(ToolkitLanguage, TheColourChooserSpeaksChinese)
{
    if (!platform::installToolkitTranslation())
        GTEST_SKIP() << "qt6-translations-l10n is missing";
    EXPECT_NE(QCoreApplication::translate("QColorDialog", "&Basic colors"), QStringLiteral("&Basic colors"));
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

} // namespace
