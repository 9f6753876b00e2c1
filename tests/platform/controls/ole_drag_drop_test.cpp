// Drag and drop of the controls: what a drop offers, the answer given to the source, the
// notifications a control in the manual drop mode raises, and the list view's hit test and drag.
#include "platform/controls/list_view.h"
#include "platform/controls/list_view_messages.h"
#include "platform/controls/ole_drag_drop.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/error.h"
#include "platform/window/handles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace platform;

namespace {

struct Offer {
    QMimeData data;
    Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;

    // Enter, move and drop at a point of the receiver; the action the source is told.
    Qt::DropAction dropOn(QWidget* receiver, QPoint at = {5, 5})
    {
        QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, {});
        QApplication::sendEvent(receiver, &enter);
        QDragMoveEvent move(at, actions, &data, Qt::LeftButton, {});
        QApplication::sendEvent(receiver, &move);
        QDropEvent drop(at, actions, &data, Qt::LeftButton, {});
        QApplication::sendEvent(receiver, &drop);
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
};

TEST(DataObject, LocalFilesOfAnAddressListBecomeTheFileListInWindowsFormTheRestText)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/home/me/b.txt"), QUrl("http://example.com/x.txt"),
                  QUrl::fromLocalFile("/home/me/a b.txt")});
    const DataObject data = DataObject::fromMime(&mime);

    EXPECT_TRUE(data.GetFormat(vbCFFiles));
    ASSERT_EQ(data.FilesCount(), 2);
    EXPECT_EQ(data.Files(1), "\\home\\me\\b.txt");
    EXPECT_EQ(data.Files(2), "\\home\\me\\a b.txt");
    EXPECT_THROW(data.Files(0), Error);
    EXPECT_THROW(data.Files(3), Error);
    EXPECT_TRUE(data.GetFormat(vbCFText));
    EXPECT_EQ(data.GetData(vbCFText), "http://example.com/x.txt");
    EXPECT_THROW(data.GetData(vbCFFiles), Error);

    QMimeData text;
    text.setText("a\\b.txt");
    const DataObject words = DataObject::fromMime(&text);
    EXPECT_FALSE(words.GetFormat(vbCFFiles));
    EXPECT_EQ(words.GetData(vbCFText), "a\\b.txt");
    EXPECT_THROW(words.Files(1), Error);
    const QMimeData nothing;
    EXPECT_FALSE(DataObject::fromMime(&nothing).GetFormat(vbCFText));
}

// A path is marked as its own file's only when its bytes are the address's: a "\\" in it, or a
// byte that is no UTF-8 (which the address's path turns into U+FFFD), names another file.
TEST(DataObject, APathWhoseBytesTheAddressDoesNotGiveIsMarkedAsNotItsOwnFile)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromUtf8("/tmp/src/文档 #1 100%?.txt")),
                  QUrl::fromEncoded("file:///tmp/src/a%FF.txt"),
                  QUrl::fromEncoded("file:///tmp/src/a%EF%BF%BD.txt"),
                  QUrl::fromLocalFile("/tmp/src/a\\b.txt"),
                  QUrl::fromEncoded("file:///tmp/src/caf%E9/b.txt")});
    const DataObject data = DataObject::fromMime(&mime);
    ASSERT_EQ(data.FilesCount(), 5);
    EXPECT_EQ(data.Files(1), QString::fromUtf8("\\tmp\\src\\文档 #1 100%?.txt"));
    EXPECT_TRUE(data.FileHasWindowsPath(1));
    EXPECT_EQ(data.Files(2), QString::fromUtf8("\\tmp\\src\\a\uFFFD.txt"));
    EXPECT_FALSE(data.FileHasWindowsPath(2));
    EXPECT_EQ(data.Files(3), data.Files(2));
    EXPECT_TRUE(data.FileHasWindowsPath(3));   // that very name is valid text
    EXPECT_FALSE(data.FileHasWindowsPath(4));
    EXPECT_FALSE(data.FileHasWindowsPath(5));   // in a folder whose name is no text
}

TEST(DropTarget, EveryDropIsACopyAndASourceOfferingNoCopyIsToldNothingHappened)
{
    ListView list;
    list.setOLEDropMode(vbOLEDropManual);
    QList<LONG> effects;
    list.onOLEDragDrop() = [&](DataObject& data, LONG& effect) {
        EXPECT_TRUE(data.GetFormat(vbCFFiles));
        effects << effect;
    };
    Offer files;
    files.data.setUrls({QUrl::fromLocalFile("/tmp/a.txt")});

    EXPECT_EQ(files.dropOn(list.viewport()), Qt::CopyAction);
    files.actions = Qt::MoveAction;
    EXPECT_EQ(files.dropOn(list.viewport()), Qt::IgnoreAction);
    EXPECT_EQ(effects, QList<LONG>({vbDropEffectCopy | vbDropEffectMove, vbDropEffectMove}));

    // A handler that wants no effect gets none.
    list.onOLEDragDrop() = [](DataObject&, LONG& effect) { effect = vbDropEffectNone; };
    files.actions = Qt::CopyAction;
    EXPECT_EQ(files.dropOn(list.viewport()), Qt::IgnoreAction);

    // Without the manual mode nothing is taken.
    list.setOLEDropMode(vbOLEDropNone);
    EXPECT_FALSE(list.viewport()->acceptDrops());
    EXPECT_EQ(files.dropOn(list.viewport()), Qt::IgnoreAction);
}

TEST(DropTarget, DragOverIsRaisedOnEnterMoveAndLeaveAndTextBoxesInsertNothing)
{
    TextBox box;
    box.setOLEDropMode(vbOLEDropManual);
    box.setText("kept");
    QList<int> states;
    QString offered;
    box.onOLEDragOver() = [&](DataObject& data, LONG&, int state) {
        states << state;
        offered = data.GetData(vbCFText);
    };
    Offer text;
    text.data.setText("dropped words");
    text.dropOn(&box);
    QDragLeaveEvent leave;
    QDragEnterEvent enter(QPoint(5, 5), text.actions, &text.data, Qt::LeftButton, {});
    QApplication::sendEvent(&box, &enter);
    QApplication::sendEvent(&box, &leave);

    EXPECT_EQ(states, QList<int>({vbEnter, vbOver, vbEnter, vbLeave}));
    EXPECT_EQ(offered, "dropped words");
    EXPECT_EQ(box.Text(), "kept");

    RichTextBox editor;
    editor.setOLEDropMode(vbOLEDropManual);
    editor.setText("kept");
    text.dropOn(editor.viewport());
    EXPECT_EQ(editor.Text(), "kept");
}

struct ListOfThree : ::testing::Test {
    QWidget window;
    ListView* list = new ListView(&window);

    void SetUp() override
    {
        window.resize(400, 300);
        list->Move(0, 0, 6000, 4500);
        list->ColumnHeaders().Add("title", 3000);
        for (const char* text : {"one", "two", "three"})
            list->ListItems().Add(text, 1);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    LONG hitTest(QPoint client)
    {
        LVHITTESTINFO info;
        info.pt.x = client.x();
        info.pt.y = client.y();
        info.iItem = 99;
        SendMessageA(list->hWnd(), LVM_SUBITEMHITTEST, 0, &info);
        return info.iItem;
    }
    QPoint rowCentre(int row)
    {
        return list->viewport()->mapTo(list, list->visualRect(list->model()->index(row, 0)).center());
    }
};

TEST_F(ListOfThree, TheHitTestMessageNamesTheItemUnderAClientPoint)
{
    EXPECT_EQ(hitTest(rowCentre(1)), 1);
    EXPECT_EQ(hitTest(rowCentre(0)), 0);
    EXPECT_EQ(hitTest(QPoint(10, list->height() - 5)), -1);
    EXPECT_EQ(hitTest(QPoint(-5, rowCentre(0).y())), -1);

    LVHITTESTINFO info;
    EXPECT_EQ(SendMessageA(list->hWnd(), 0x1000, 0, &info), -1);
    EXPECT_EQ(SendMessageA(hwndOf(&window), LVM_SUBITEMHITTEST, 0, &info), -1);
}

TEST_F(ListOfThree, OnlyTheAutomaticDragModeOffersTheSelectedItemsText)
{
    const QModelIndex second = list->model()->index(1, 0);
    EXPECT_FALSE(list->model()->flags(second) & Qt::ItemIsDragEnabled);

    list->setOLEDragMode(vbOLEDragAutomatic);
    EXPECT_TRUE(list->model()->flags(second) & Qt::ItemIsDragEnabled);
    list->setSelectedItem(list->ListItems().Item(2));
    const std::unique_ptr<QMimeData> data(list->dragData());
    ASSERT_TRUE(data);
    EXPECT_EQ(data->text(), "two");

    list->setSelectedItem(nullptr);
    EXPECT_EQ(list->dragData(), nullptr);
}

} // namespace
