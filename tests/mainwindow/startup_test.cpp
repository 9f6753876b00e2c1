#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/timer.h"
#include "platform/window/cursor.h"
#include "platform/window/window_proc.h"
#include "shared/module1_storage.h"
#include "shared/module1_window.h"
#include "support/outside_faults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

namespace {

using namespace platform;
using testsupport::Answer;
using Startup = testsupport::MainWindowTest;

QStringList entries(const ComboBox& box)
{
    QStringList list;
    for (int i = 0; i < box.ListCount(); ++i)
        list << box.List(i);
    return list;
}

QStringList columnCaptions(ListView& list)
{
    QStringList captions;
    for (int i = 1; i <= list.ColumnHeaders().Count(); ++i)
        captions << list.ColumnHeaders().Text(i);
    return captions;
}

bool shows(const QWidget* widget, const QWidget* window)
{
    return widget->isVisibleTo(window);
}

TEST_F(Startup, WindowTakesThePictureSizeHookAndRoundedOutline)
{
    start();
    Form& f = w().form();
    EXPECT_TRUE(f.isVisible());
    EXPECT_DOUBLE_EQ(f.Width(), 14410);
    EXPECT_DOUBLE_EQ(f.Height(), 9910);
    EXPECT_EQ(f.mask().boundingRect(), QRect(0, 0, 961, 661));

    const LONG style = GetWindowLong(f.hWnd(), GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_SYSMENU), WS_MINIMIZEBOX | WS_SYSMENU);
    EXPECT_EQ(GetWindowLong(f.hWnd(), GWL_WNDPROC), AddressOf(&Module1::HandleWindowMessage));
    EXPECT_EQ(Module1::OldWndProc, AddressOf(&DefWindowProc));
    EXPECT_NE(w().HandCursor, 0);
    EXPECT_EQ(w().HandCursor, LoadCursor(0, IDC_HAND));

    // The start-up timer ticks once, soon after loading.
    EXPECT_TRUE(w().Timer1->Enabled());
    QTest::qWait(150);
    EXPECT_FALSE(w().Timer1->Enabled());
}

TEST_F(Startup, ListsGetTheirColumnsAndTheStyleListsTheirEntries)
{
    start();
    const double txtWidth = w().listTxt->Width();
    ASSERT_GT(txtWidth, 0);

    EXPECT_EQ(columnCaptions(*w().ListFolder), (QStringList{"URL", "名称"}));
    EXPECT_DOUBLE_EQ(w().ListFolder->ColumnHeaders().Width(1), txtWidth * 0.9);
    EXPECT_DOUBLE_EQ(w().ListFolder->ColumnHeaders().Width(2), 0);
    EXPECT_EQ(w().ListFolder->SmallIcons(), w().ImageList2);

    EXPECT_EQ(columnCaptions(*w().listTxt), (QStringList{"标题", "", "字体", "字号", "字体色", "背景色"}));
    EXPECT_DOUBLE_EQ(w().listTxt->ColumnHeaders().Width(1), txtWidth * 0.9);
    for (int i = 2; i <= 6; ++i)
        EXPECT_DOUBLE_EQ(w().listTxt->ColumnHeaders().Width(i), 0);
    EXPECT_EQ(w().listTxt->SmallIcons(), w().ImageList1);

    const double filesWidth = w().ListTxtList->Width();
    EXPECT_EQ(columnCaptions(*w().ListTxtList), (QStringList{"title", "文件大小", "最后更新"}));
    EXPECT_DOUBLE_EQ(w().ListTxtList->ColumnHeaders().Width(1), filesWidth * 0.55);
    EXPECT_DOUBLE_EQ(w().ListTxtList->ColumnHeaders().Width(2), filesWidth * 0.15);
    EXPECT_DOUBLE_EQ(w().ListTxtList->ColumnHeaders().Width(3), filesWidth * 0.25);
    EXPECT_EQ(w().ListTxtList->SmallIcons(), w().ImageList1);

    EXPECT_EQ(columnCaptions(*w().listType), QStringList{"title"});
    EXPECT_DOUBLE_EQ(w().listType->ColumnHeaders().Width(1), w().listType->Width() * 0.9);
    EXPECT_EQ(w().listType->SmallIcons(), w().ImageList2);

    EXPECT_EQ(entries(*w().cmdFontSize),
              (QStringList{"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "30",
                           "32", "34", "36", "38", "40"}));
    EXPECT_EQ(entries(*w().cmdFontName), (QStringList{"宋体", "隶书", "幼圆", "新宋体", "微软雅黑", "华文中宋",
                                                      "华文行楷", "华文新魏", "楷体_GB2312"}));
}

TEST_F(Startup, DefaultStyleComesFromTheFirstMySetRowWhateverItsNumber)
{
    folder.exec("delete from MySet; insert into MySet (ID, FontName, FontSize, FontColor, BackColor) "
                "values (7, '楷体_GB2312', 16, 255, 65535)");
    start();
    EXPECT_EQ(w().lbfColor->Caption(), "255");
    EXPECT_EQ(w().lbbColor->Caption(), "65535");
    EXPECT_EQ(w().lbfSize->Caption(), "16");
    EXPECT_EQ(w().lbfName->Caption(), "楷体_GB2312");
    // With nothing opened the swatches and boxes still show the default style.
    EXPECT_EQ(w().cmdFontColor->BackColor(), 255);
    EXPECT_EQ(w().cmdBackColor->BackColor(), 65535);
    EXPECT_EQ(w().cmdFontSize->Text(), "16");
    EXPECT_EQ(w().cmdFontName->Text(), "楷体_GB2312");
    EXPECT_EQ(w().myTxt->BackColor(), 0xF0EEED);

    EXPECT_FALSE(shows(w().cmdDel, &w().form()));
    EXPECT_FALSE(shows(w().cmdEdit, &w().form()));
    EXPECT_FALSE(shows(w().btBottom, &w().form()));
    EXPECT_TRUE(shows(w().btTop, &w().form()));
    // No category to open: the label keeps the start-up prompt.
    EXPECT_EQ(w().lbLen->Caption(), "请选择分类");
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(Startup, LibraryRootIsCreatedWhenMissingAndLeftAloneWhenPresent)
{
    ASSERT_FALSE(folder.exists("txt"));
    start();
    EXPECT_TRUE(QFileInfo(folder.file("txt")).isDir());
    EXPECT_TRUE(QDir(folder.file("txt")).isEmpty());
}

TEST_F(Startup, PresentLibraryKeepsItsFiles)
{
    folder.writeFile("txt/readme.txt", "根目录的文件");
    folder.writeFile("txt/工作/计划.txt", "第一行\r\n第二行");
    start();
    EXPECT_EQ(folder.readFile("txt/readme.txt"), QByteArray("根目录的文件"));
    EXPECT_EQ(folder.readFile("txt/工作/计划.txt"), QByteArray("第一行\r\n第二行"));
    EXPECT_EQ(categoryNames(), QStringList{"工作"});
}

TEST_F(Startup, FirstDocumentIsOpenWhenTheWindowShows)
{
    folder.writeFile("txt/工作/计划.txt", "a b\r\nc");
    start();
    EXPECT_EQ(documentTitles(), QStringList{"计划"});
    EXPECT_EQ(w().lbLen->Caption(), "字数统计：3");
    EXPECT_TRUE(shows(w().cmdDel, &w().form()));
    EXPECT_TRUE(w().cmdDel->Enabled());
    EXPECT_TRUE(shows(w().cmdEdit, &w().form()));
    EXPECT_TRUE(w().cmdEdit->Enabled());
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(Startup, NewFilesGetTheirRowsTogetherAndTheListCarriesTheirNumbers)
{
    for (int i = 0; i < 40; ++i)
        folder.writeFile(QStringLiteral("txt/Work/n%1.txt").arg(i, 2, 10, QLatin1Char('0')), "x");
    start();
    ASSERT_EQ(folder.count("Log"), 40);
    ASSERT_EQ(w().listTxt->ListItems().Count(), 40);
    for (int i = 1; i <= 40; ++i) {
        const ListItemPtr item = w().listTxt->ListItems().Item(i);
        EXPECT_EQ(item->Tag(), folder.scalar("select ID from Log where Title='" + item->Text() + "'").toString());
        EXPECT_EQ(item->SubItems(3), "12");
    }
    // Nothing of the load holds the database's write lock once the window shows.
    EXPECT_TRUE(testsupport::DatabaseLock::writableAtOnce(folder.database()));
}

TEST_F(Startup, AFileRenamedOutsideLosesItsStaleRowAtTheFirstStart)
{
    // One row without its file, one file without its row: the first load adds the file's row,
    // and the document panel's load then finds one row too many and removes the stale one.
    folder.makeFolder("txt/Work");
    folder.exec("insert into Types (TypeName) values ('Work')");
    folder.exec("insert into Log (Title, Type, FontSize, FontName, FontColor, BackColor) "
                "values ('old', 1, 12, 'Serif', 0, 16777215)");
    folder.writeFile("txt/Work/renamed.txt", "text");
    start();
    EXPECT_EQ(folder.count("Log", "Title='old'"), 0);
    EXPECT_EQ(folder.count("Log", "Title='renamed'"), 1);
    EXPECT_EQ(documentTitles(), QStringList{"renamed"});
    EXPECT_EQ(w().myTxt->Text(), "text");
}

TEST_F(Startup, EmptyMySetStillOpensTheWindowWithItsLists)
{
    folder.exec("delete from MySet");
    folder.makeFolder("txt/工作");
    start();
    EXPECT_TRUE(w().form().isVisible());
    EXPECT_EQ(w().listTxt->ColumnHeaders().Count(), 6);
    EXPECT_EQ(w().cmdFontSize->ListCount(), 19);
    EXPECT_EQ(w().cmdFontName->ListCount(), 9);
    EXPECT_EQ(w().lbfColor->Caption(), "");
    EXPECT_EQ(w().cmdFontColor->BackColor(), 0);          // the swatches' design colours
    EXPECT_EQ(w().cmdBackColor->BackColor(), 0xF0EEED);
    EXPECT_EQ(w().cmdFontSize->ListIndex(), -1);
    EXPECT_EQ(w().cmdFontName->ListIndex(), -1);
    EXPECT_TRUE(shows(w().btTop, &w().form()));
    EXPECT_EQ(categoryNames(), QStringList{"工作"});
    EXPECT_EQ(folder.count("Types", "TypeName='工作'"), 1);
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(Startup, MissingDatabaseStillOpensTheWindowWithoutAMessage)
{
    testsupport::ProgramFolder bare(false);
    bare.makeFolder("txt/工作");
    start();
    EXPECT_TRUE(w().form().isVisible());
    EXPECT_DOUBLE_EQ(w().form().Width(), 14410);
    EXPECT_EQ(w().ListFolder->ColumnHeaders().Count(), 2);
    EXPECT_EQ(w().cmdFontName->ListCount(), 9);
    EXPECT_EQ(categoryNames(), QStringList{"工作"});
    EXPECT_FALSE(bare.exists("lanmore.mdb"));
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(Startup, MissingDatabaseLeavesTheLibraryRootUncreated)
{
    testsupport::ProgramFolder bare(false);
    start();
    EXPECT_FALSE(bare.exists("txt"));
    EXPECT_EQ(w().lbLen->Caption(), "字数：0");
    EXPECT_TRUE(w().form().isVisible());
}

TEST_F(Startup, MaximiseRequestsTurnBackToNormal)
{
    start();
    Form& f = w().form();
    f.setWindowState(vbMaximized);
    QApplication::processEvents();
    EXPECT_EQ(f.WindowState(), vbStateNormal);

    SendMessage(f.hWnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    QApplication::processEvents();
    EXPECT_EQ(f.WindowState(), vbStateNormal);
    EXPECT_DOUBLE_EQ(f.Width(), 14410);
    EXPECT_DOUBLE_EQ(f.Height(), 9910);

    click(w().btMin);
    EXPECT_EQ(f.WindowState(), vbMinimized);
}

TEST_F(Startup, EnlargeAndRestoreAlternateAndRestoreTheExactRectangle)
{
    start();
    RichTextBox& editor = *w().myTxt;
    for (int round = 0; round < 2; ++round) {
        click(w().btTop);
        EXPECT_EQ(QRectF(editor.Left(), editor.Top(), editor.Width(), editor.Height()),
                  QRectF(120, 360, 14175, 9180));
        EXPECT_FALSE(shows(w().btTop, &w().form()));
        EXPECT_TRUE(shows(w().btBottom, &w().form()));

        click(w().btBottom);
        EXPECT_EQ(QRectF(editor.Left(), editor.Top(), editor.Width(), editor.Height()),
                  QRectF(3720, 1620, 10515, 7880));
        EXPECT_TRUE(shows(w().btTop, &w().form()));
        EXPECT_FALSE(shows(w().btBottom, &w().form()));
    }
}

TEST_F(Startup, DocumentButtonsStayShownAndFollowTheirEnabledFlag)
{
    start();
    w().ShowDocumentButtons(false);
    EXPECT_TRUE(shows(w().cmdDel, &w().form()));
    EXPECT_TRUE(shows(w().cmdEdit, &w().form()));
    EXPECT_FALSE(w().cmdDel->Enabled());
    EXPECT_FALSE(w().cmdEdit->Enabled());

    w().ShowDocumentButtons(true);
    EXPECT_TRUE(shows(w().cmdDel, &w().form()));
    EXPECT_TRUE(w().cmdDel->Enabled());
    EXPECT_TRUE(w().cmdEdit->Enabled());
}

TEST_F(Startup, TaskbarCloseUnloadsThroughTheHookAndPutsTheOldProcedureBack)
{
    start();
    Form& f = w().form();
    const HWND hwnd = f.hWnd();
    SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_TRUE(isUnloaded(hwnd));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(GetWindowLong(hwnd, GWL_WNDPROC), AddressOf(&DefWindowProc));
}

TEST_F(Startup, WindowManagerCloseUnloadsTheWindow)
{
    start();
    w().form().close();
    EXPECT_FALSE(w().form().isLoaded());
    EXPECT_FALSE(w().form().isVisible());
}

// The program's loop ends with the main window, though the message dialog still exists.
TEST_F(Startup, CloseButtonEndsTheProgramPastTheHiddenDialog)
{
    start();
    answer({Answer::Ok});
    Module1::ShowInfo("提示");
    ASSERT_TRUE(mainwindow::FmMsg::exists());
    ASSERT_FALSE(mainwindow::FmMsg::instance().form().isVisible());

    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [this] { click(w().btClose); });
    closer.start(0);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(w().form().isLoaded());
}

} // namespace
