#include "platform/controls/layout.h"

#include "platform/controls/combo_box.h"
#include "platform/controls/control_factory.h"
#include "platform/controls/form.h"
#include "platform/controls/frame.h"
#include "platform/controls/image.h"
#include "platform/controls/image_list.h"
#include "platform/controls/label.h"
#include "platform/controls/line.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/error.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace platform;

namespace {

const char* kLayout = R"json({
  "form": {"name": "fmTest", "caption": "Test", "width": 6000, "height": 4500, "backColor": 15789805},
  "controls": [
    {"kind": "PictureBox", "name": "planList", "container": "fmTest", "left": 150, "top": 300,
     "width": 4500, "height": 3000, "borderStyle": 0},
    {"kind": "Label", "name": "lbLen", "container": "planList", "left": 30, "top": 45, "width": 1500,
     "height": 255, "caption": "字数：0", "foreColor": 11300927, "backStyle": 0,
     "font": {"name": "宋体", "size": 9, "bold": false, "underline": true}, "tabIndex": 5},
    {"kind": "Label", "name": "lbFolderID", "container": "fmTest", "left": 0, "top": 0, "width": 100,
     "height": 100, "visible": false},
    {"kind": "TextBox", "name": "txtTitle", "container": "planList", "left": 0, "top": 600,
     "width": 3000, "height": 300, "tooltip": "标题", "enabled": false, "tabIndex": 2},
    {"kind": "ComboBox", "name": "cmdFontSize", "container": "planList", "left": 0, "top": 1000,
     "width": 900, "height": 300, "style": 2, "tabIndex": 1},
    {"kind": "Frame", "name": "fmAbout", "index": 0, "container": "fmTest", "left": 4800, "top": 0,
     "width": 1000, "height": 1000, "caption": "软件说明"},
    {"kind": "Frame", "name": "fmAbout", "index": 1, "container": "fmTest", "left": 4800, "top": 1200,
     "width": 1000, "height": 1000, "caption": "主站信息"},
    {"kind": "Label", "name": "lbAbout", "index": 3, "container": "fmAbout(1)", "left": 15, "top": 300,
     "width": 900, "height": 300, "caption": "当前版本号: V2.0"},
    {"kind": "ListView", "name": "listTxt", "container": "planList", "left": 0, "top": 1400,
     "width": 3000, "height": 1500, "hideColumnHeaders": true, "labelEdit": 1, "tabIndex": 3},
    {"kind": "RichTextBox", "name": "myTxt", "container": "fmTest", "left": 150, "top": 3400,
     "width": 3000, "height": 900},
    {"kind": "Line", "name": "Line1", "container": "fmTest", "x1": 0, "y1": 4400, "x2": 6000, "y2": 4400,
     "borderColor": 12632256},
    {"kind": "Timer", "name": "Timer1", "container": "fmTest", "interval": 20, "enabled": false},
    {"kind": "FileListBox", "name": "File1", "container": "fmTest", "pattern": "*.txt"},
    {"kind": "CommonDialog", "name": "CommonDialog1", "container": "fmTest"},
    {"kind": "ImageList", "name": "ImageList1", "container": "fmTest", "imageWidth": 4, "imageHeight": 4,
     "maskColor": 12632256, "images": ["ICON"]},
    {"kind": "iButton", "name": "cmdSave", "container": "planList", "left": 3100, "top": 600,
     "width": 780, "height": 330, "tooltip": "保存", "tabIndex": 4, "props": []}
  ]
})json";

struct LoadedLayout : ::testing::Test {
    QTemporaryDir dir;
    Form form;

    QString write(QString text)
    {
        const QString icon = dir.filePath("icon.png");
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(QColor(192, 192, 192));
        img.setPixel(1, 1, qRgb(255, 0, 0));
        img.save(icon);
        text.replace("ICON", icon);
        const QString path = dir.filePath("layout.json");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
        return path;
    }
};

TEST_F(LoadedLayout, MakesEveryControlInItsContainerWithItsKeys)
{
    const Layout layout = LoadLayout(write(kLayout), form);
    EXPECT_EQ(form.Caption(), "Test");
    EXPECT_DOUBLE_EQ(form.Width(), 6000);
    EXPECT_EQ(form.BackColor(), 15789805);

    PictureBox* plan = layout.pictureBox("planList");
    Label* len = layout.label("lbLen");
    EXPECT_EQ(len->parentWidget(), plan);
    EXPECT_EQ(len->Caption(), "字数：0");
    EXPECT_EQ(len->geometry(), QRect(2, 3, 100, 17));
    EXPECT_DOUBLE_EQ(len->Left(), 30);
    EXPECT_EQ(len->ForeColor(), 11300927);
    EXPECT_EQ(len->font().family(), "宋体");
    EXPECT_TRUE(len->font().underline());
    EXPECT_EQ(len->BackStyle(), 0);

    EXPECT_FALSE(layout.label("lbFolderID")->Visible());
    EXPECT_TRUE(len->Visible());
    TextBox* title = layout.textBox("txtTitle");
    EXPECT_FALSE(title->Enabled());
    EXPECT_EQ(title->ToolTipText(), "标题");
    EXPECT_EQ(layout.comboBox("cmdFontSize")->Style(), 2);
    EXPECT_TRUE(layout.listView("listTxt")->HideColumnHeaders());
    EXPECT_EQ(layout.richTextBox("myTxt")->parentWidget(), &form);
    EXPECT_EQ(layout.line("Line1")->BorderColor(), 12632256);
    EXPECT_FALSE(layout.timer("Timer1")->Enabled());
    EXPECT_EQ(layout.timer("Timer1")->Interval(), 20);
    EXPECT_EQ(layout.imageList("ImageList1")->Count(), 1);
    EXPECT_FALSE(layout.imageList("ImageList1")->Image(1).mask().isNull());

    // Control arrays are reached by index, and an element can be a container.
    EXPECT_EQ(layout.indexes("fmAbout"), (QList<int>{0, 1}));
    EXPECT_EQ(layout.frame("fmAbout", 1)->Caption(), "主站信息");
    EXPECT_EQ(layout.label("lbAbout", 3)->parentWidget(), layout.frame("fmAbout", 1));

    // The skinned button stands in as a plain widget until its factory is registered.
    QWidget* save = layout.widget("cmdSave");
    EXPECT_EQ(save->parentWidget(), plan);
    EXPECT_EQ(save->geometry(), QRect(207, 40, 52, 22));
    EXPECT_EQ(save->toolTip(), "保存");

    EXPECT_THROW(layout.label("nothing"), Error);
    EXPECT_THROW(layout.label("txtTitle"), Error);
    EXPECT_THROW(layout.frame("fmAbout"), Error);
}

TEST_F(LoadedLayout, LaterControlsLieAboveEarlierOnesAndFocusFollowsTheTabIndexes)
{
    const Layout layout = LoadLayout(write(kLayout), form);
    const QObjectList children = layout.pictureBox("planList")->children();
    EXPECT_LT(children.indexOf(layout.label("lbLen")), children.indexOf(layout.widget("cmdSave")));

    QWidget* combo = layout.comboBox("cmdFontSize");
    QWidget* title = layout.textBox("txtTitle");
    QWidget* list = layout.listView("listTxt");
    auto next = [](QWidget* w) {
        QWidget* n = w->nextInFocusChain();
        while (n->focusProxy() || !(n->focusPolicy() & Qt::TabFocus) || n->objectName().isEmpty())
            n = n->nextInFocusChain();
        return n;
    };
    EXPECT_EQ(next(combo), title);
    EXPECT_EQ(next(title), list);
}

TEST_F(LoadedLayout, ARegisteredFactoryMakesItsKind)
{
    QJsonObject given;
    registerControlFactory("iButton", [&](QWidget* parent, const QJsonObject& o) {
        given = o;
        auto* w = new QWidget(parent);
        w->setProperty("madeByFactory", true);
        return w;
    });
    const Layout layout = LoadLayout(write(kLayout), form);
    registerControlFactory("iButton", {});
    EXPECT_TRUE(layout.widget("cmdSave")->property("madeByFactory").toBool());
    EXPECT_EQ(given.value("name").toString(), "cmdSave");
    EXPECT_EQ(layout.kindOf("cmdSave"), "iButton");
}

TEST_F(LoadedLayout, RefusesUnknownContainersKindsAndFiles)
{
    EXPECT_THROW(LoadLayout(write(R"({"form": {"name": "f"}, "controls": [
        {"kind": "Label", "name": "a", "container": "nowhere"}]})"), form), Error);
    EXPECT_THROW(LoadLayout(write(R"({"form": {"name": "f"}, "controls": [
        {"kind": "Spinner", "name": "a", "container": "f"}]})"), form), Error);
    EXPECT_THROW(LoadLayout(dir.filePath("missing.json"), form), Error);
}

TEST(WindowLayouts, BothWindowsLoadWithTheirNamedControls)
{
    Form main;
    const Layout layout = LoadLayout(":/layout/fmMain.json", main);
    EXPECT_EQ(main.Caption(), "QuillmereV1.0");
    EXPECT_EQ(layout.image("Image1")->size(), QSize(960, 660));
    RichTextBox* editor = layout.richTextBox("myTxt");
    EXPECT_DOUBLE_EQ(editor->Left(), 3720);
    EXPECT_DOUBLE_EQ(editor->Width(), 10515);
    EXPECT_EQ(layout.comboBox("cmdFontName")->Style(), 2);
    EXPECT_EQ(layout.indexes("imgMenu").size(), 3);
    EXPECT_NO_THROW(layout.fileListBox("File1"));
    EXPECT_NO_THROW(layout.timer("Timer1"));
    EXPECT_NO_THROW(layout.listView("listTxt"));

    Form dialog;
    const Layout msg = LoadLayout(":/layout/FmMsg.json", dialog);
    EXPECT_EQ(msg.label("LabelInfo")->parentWidget(), &dialog);
    EXPECT_NO_THROW(msg.widget("btSave"));
}

} // namespace
