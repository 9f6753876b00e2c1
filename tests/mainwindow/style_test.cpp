#include "mainwindow/document_library.h"
#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "platform/controls/common_dialog.h"
#include "platform/controls/label.h"
#include "platform/controls/rich_text_box.h"
#include "shared/module1_storage.h"

#include <deque>
#include <optional>

namespace {

using namespace testsupport;

const QString kDefaultQuestion = QStringLiteral("是否用当前颜色配置替换系统默认颜色配置？");

class TextStyle : public MainWindowTest {
protected:
    TextStyle()
    {
        platform::setColorChooserSeam([this](QColor initial) {
            initials.push_back(initial);
            std::optional<QColor> answer = colours.empty() ? std::nullopt : colours.front();
            if (!colours.empty())
                colours.pop_front();
            return answer;
        });
    }
    ~TextStyle() override { platform::setColorChooserSeam({}); }

    void library()
    {
        addCategory(folder, "Notes");
        addDocument(folder, "Notes", {"Apple", "one\r\ntwo", 14, "隶书", 0x0000FF, 0x00FFFF});
    }

    void selectAll()
    {
        w().myTxt->setSelStart(0);
        w().myTxt->setSelLength(int(w().myTxt->Text().size()));
    }
    bool collapsed() { return w().myTxt->SelStart() == 0 && w().myTxt->SelLength() == 0; }

    // What the whole text is painted in, read through a whole selection.
    platform::LONG textColour() { return selectAll(), w().myTxt->SelColor(); }
    QString textFont() { return selectAll(), w().myTxt->SelFontName(); }

    std::deque<std::optional<QColor>> colours;   // nullopt: the person cancels
    std::vector<QColor> initials;
};

TEST_F(TextStyle, AColourPickedOrCancelledGoesToTheSwatchAndTheEditor)
{
    library();
    start();
    colours = {QColor(0, 128, 0), std::nullopt};

    click(w().cmdFontColor);
    EXPECT_EQ(w().cmdFontColor->BackColor(), 0x008000);
    EXPECT_EQ(w().myTxt->SelStart(), 0);   // the whole text stays selected
    EXPECT_EQ(w().myTxt->SelLength(), w().myTxt->Text().size());
    EXPECT_EQ(w().myTxt->SelColor(), 0x008000);

    // A cancel hands on the chooser's last colour, not the swatch's own.
    click(w().cmdBackColor);
    ASSERT_EQ(initials.size(), 2u);
    EXPECT_EQ(initials[1], QColor(0, 128, 0));
    EXPECT_EQ(w().cmdBackColor->BackColor(), 0x008000);
    EXPECT_EQ(w().myTxt->BackColor(), 0x008000);
    EXPECT_EQ(folder.scalar("select FontColor from Log where Title='Apple'").toInt(), 0x0000FF);
}

TEST_F(TextStyle, FontNameSizeRefreshAndRestoreLeaveTheCaretAtTheStart)
{
    library();
    start();

    selectAll();
    pick(w().cmdFontName, QStringLiteral("幼圆"));
    EXPECT_TRUE(collapsed());
    EXPECT_EQ(textFont(), QStringLiteral("幼圆"));

    selectAll();
    pick(w().cmdFontSize, "30");
    EXPECT_TRUE(collapsed());
    selectAll();
    EXPECT_EQ(w().myTxt->SelFontSize(), 30);

    // Text painted otherwise since takes the style again on refresh.
    selectAll();
    w().myTxt->setSelColor(0);
    click(w().cmdFormat);
    EXPECT_TRUE(collapsed());
    EXPECT_EQ(textColour(), 0x0000FF);

    selectAll();
    click(w().cmdDoDef);
    EXPECT_TRUE(collapsed());
}

TEST_F(TextStyle, RestoringTheDefaultChangesOnlyTheView)
{
    library();
    start();
    click(w().cmdDoDef);

    EXPECT_EQ(w().cmdFontName->Text(), QStringLiteral("微软雅黑"));
    EXPECT_EQ(w().cmdFontSize->Text(), "12");
    EXPECT_EQ(w().cmdFontColor->BackColor(), 3355443);
    EXPECT_EQ(w().cmdBackColor->BackColor(), 16120058);
    EXPECT_EQ(w().myTxt->BackColor(), 16120058);
    EXPECT_EQ(textColour(), 3355443);
    EXPECT_EQ(textFont(), QStringLiteral("微软雅黑"));
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(folder.scalar("select FontName from Log where Title='Apple'").toString(), QStringLiteral("隶书"));

    clickItem(w().listTxt, "Apple");
    EXPECT_EQ(w().cmdFontName->Text(), QStringLiteral("隶书"));
    EXPECT_EQ(w().myTxt->BackColor(), 0x00FFFF);
}

TEST_F(TextStyle, AHiddenEditorTakesOnlyTheBackground)
{
    library();
    start();
    w().myTxt->setVisible(false);
    colours = {QColor(0, 128, 0), QColor(0, 0, 128)};

    click(w().cmdFontColor);
    pick(w().cmdFontName, QStringLiteral("幼圆"));
    click(w().cmdBackColor);

    EXPECT_EQ(w().cmdFontColor->BackColor(), 0x008000);
    EXPECT_EQ(w().cmdFontName->Text(), QStringLiteral("幼圆"));
    EXPECT_EQ(w().myTxt->BackColor(), 0x800000);
    EXPECT_EQ(textColour(), 0x0000FF);
    EXPECT_EQ(textFont(), QStringLiteral("隶书"));
}

TEST_F(TextStyle, MakingTheStyleTheDefaultAsksStoresItAndNewDocumentsStartInIt)
{
    library();
    start();
    colours = {QColor(0xED, 0xEE, 0xF0)};
    click(w().cmdFontColor);

    answer({Answer::No});
    click(w().cmdDef);
    EXPECT_EQ(w().lbfColor->Caption(), "3355443");
    EXPECT_EQ(folder.scalar("select FontColor from MySet where ID=1").toInt(), 3355443);

    answer({Answer::Yes});
    click(w().cmdDef);
    EXPECT_EQ(shown(), (QStringList{kDefaultQuestion, kDefaultQuestion}));
    EXPECT_EQ(folder.scalar("select FontColor from MySet where ID=1").toInt(), 15789805);
    EXPECT_EQ(folder.scalar("select FontName from MySet where ID=1").toString(), QStringLiteral("隶书"));
    EXPECT_EQ(folder.scalar("select FontSize from MySet where ID=1").toInt(), 14);
    EXPECT_EQ(folder.scalar("select BackColor from MySet where ID=1").toInt(), 0x00FFFF);
    EXPECT_EQ(w().lbfColor->Caption(), "15789805");

    click(w().cmdDoDef);   // away from the new default, so that the new document must bring it
    click(w().cmdAdd);
    EXPECT_EQ(w().cmdFontColor->BackColor(), 0xF0EEED);
    EXPECT_EQ(w().cmdFontName->Text(), QStringLiteral("隶书"));
    EXPECT_EQ(w().myTxt->BackColor(), 0x00FFFF);
}

TEST_F(TextStyle, ADefaultThatCannotBeStoredIsNotTaken)
{
    library();
    start();
    Module1::CloseConn();
    folder.exec("drop table MySet");
    pick(w().cmdFontName, QStringLiteral("幼圆"));

    answer({Answer::Yes});
    click(w().cmdDef);
    EXPECT_EQ(w().lbfName->Caption(), QStringLiteral("微软雅黑"));
    EXPECT_EQ(w().lbfColor->Caption(), "3355443");
}

TEST_F(TextStyle, WithNoDefaultReadAtStartANewDocumentKeepsTheShownStyle)
{
    library();
    folder.exec("delete from MySet");
    start();
    clickItem(w().listTxt, "Apple");
    ASSERT_EQ(w().lbfColor->Caption(), "");

    click(w().cmdDoDef);
    EXPECT_EQ(w().cmdFontName->Text(), QStringLiteral("隶书"));
    EXPECT_EQ(w().cmdFontColor->BackColor(), 0x0000FF);
    EXPECT_EQ(textColour(), 0x0000FF);

    click(w().cmdAdd);
    EXPECT_TRUE(w().IsEditing);
    EXPECT_TRUE(w().myTxt->isVisible());
    EXPECT_EQ(w().cmdFontSize->Text(), "14");
    EXPECT_EQ(w().myTxt->BackColor(), 0x00FFFF);
}

} // namespace
