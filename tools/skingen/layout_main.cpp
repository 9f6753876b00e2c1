// The main window: menu tabs and window buttons on the header strip, three panels of one size
// below it (documents, categories, About), the editor over the document panel, links in the footer.
#include "buttons.h"
#include "geometry.h"
#include "layouts.h"
#include "palette.h"

#include <QJsonArray>

namespace skin {
namespace {

constexpr int kSysWindow = -2147483643;     // &H80000005
constexpr int kSysWindowText = -2147483640; // &H80000008

QRect pxRect(double x, double y, double w, double h) { return QRect(px(x), px(y), px(w), px(h)); }

QPoint pxAt(double x, double y) { return QPoint(px(x), px(y)); }

QSize frameOf(const QString &name)
{
    const FaceSpec &f = faceOf(name);
    return QSize(f.width, f.height);
}

struct Builder {
    Layout &l;

    Control &label(const QString &name, const QString &in, QRect r, const QString &caption,
                   const QColor &ink = kInk, const FontSpec &font = {})
    {
        return l.add("Label", name, in, r).caption(caption).font(font).fore(ole(ink)).backStyle(0);
    }
    Control &strip(const QString &name, const QString &in, QRect r, const QColor &fill = kPanel)
    {
        return l.add("PictureBox", name, in, r).back(ole(fill)).border(0);
    }
    Control &list(const QString &name, const QString &in, QRect r)
    {
        return l.add("ListView", name, in, r)
            .font()
            .back(kSysWindow)
            .fore(kSysWindowText)
            .border(1)
            .set("hideColumnHeaders", true)
            .set("fullRowSelect", true)
            .set("labelEdit", 1) // manual: names are changed only through the strips
            .set("oleDropMode", 1); // manual: the window's handlers take every drop
    }
    Control &textBox(const QString &name, const QString &in, QRect r, int back = kSysWindow)
    {
        return l.add("TextBox", name, in, r).text("").font().back(back).fore(kSysWindowText).border(1);
    }
    Control &combo(const QString &name, const QString &in, QRect r, int back = kSysWindow)
    {
        return l.add("ComboBox", name, in, r).set("style", 2).text("").font().back(back).fore(kSysWindowText);
    }
    Control &button(const QString &name, const QString &in, QPoint at)
    {
        return l.button(name, in, at, frameOf(name));
    }
    Control &frame(const QString &name, const QString &in, QRect r, const QString &caption)
    {
        return l.add("Frame", name, in, r).caption(caption).font(boldFont()).fore(ole(kAccent)).back(ole(kPanel));
    }
};

void header(Builder &b)
{
    b.l.add("Image", "Image1", "fmMain", QRect(0, 0, 14400, 9900)).picture(":/skins/fmMain.jpg");
    b.strip("planMenu", "fmMain", pxRect(kMenuX, kMenuY, 240, 22));
    const char *marks[3] = {"btTxt", "btTypes", "btAbout"};
    for (int i = 0; i < 3; ++i)
        b.l.add("Image", "imgMenu", "planMenu", pxRect(i * 80, 0, 80, 22))
            .index(i)
            .hidden()
            .picture(QStringLiteral(":/skins/marks/imgMenu%1.jpg").arg(i));
    for (int i = 0; i < 3; ++i)
        b.button(marks[i], "planMenu", pxAt(i * 80, 0));
    b.button("btTop", "fmMain", pxAt(kSizeX, kChromeY));
    b.button("btBottom", "fmMain", pxAt(kSizeX, kChromeY)).hidden();
    b.button("btMin", "fmMain", pxAt(kMinX, kChromeY));
    b.button("btClose", "fmMain", pxAt(kCloseX, kChromeY));
}

// Categories and the filtered document list on the left; title, word count, the document strips
// and the style frame above the editor on the right.
void documentPanel(Builder &b)
{
    const QRect panel(px(kPanelRect.x()), px(kPanelRect.y()), 14175, 9180);
    b.strip("planList", "fmMain", panel).hidden();

    b.strip("Picture3", "planList", pxRect(8, 3, 224, 22), kStrip);
    b.label("Label3", "Picture3", pxRect(8, 4, 120, 15), "目录列表", kAccentDark, boldFont());
    b.list("ListFolder", "planList", pxRect(8, 25, 224, 170));

    b.strip("Picture5", "planList", pxRect(8, 203, 224, 22), kStrip);
    b.label("lbNowType", "Picture5", pxRect(8, 4, 108, 15), "目录：", kAccentDark, boldFont());
    b.label("lbcolname", "Picture5", pxRect(116, 4, 102, 15), "文本列表", kInkSoft).align(1);
    b.textBox("txtQuery", "planList", pxRect(8, 229, 201, 19)).tip("请输入搜索关键字");
    b.button("cmdQuery", "planList", pxAt(214, 230)).tip("搜索");
    b.list("listTxt", "planList", pxRect(8, 253, 224, 356)).set("oleDragMode", 1); // drags its selected title

    b.label("Label1", "planList", pxRect(240, 7, 36, 15), "标题：");
    b.textBox("txtTitle", "planList", pxRect(276, 3, 288, 22), ole(kEditorGrey)).disabled().set("oleDropMode", 1);
    b.label("lbLen", "planList", pxRect(576, 7, 120, 15), "字数：0");
    b.combo("ComboType", "planList", pxRect(612, 4, 140, 20)).hidden();

    b.strip("pboxTxtEdit", "planList", pxRect(773, 3, 168, 22));
    b.button("cmdAdd", "pboxTxtEdit", pxAt(0, 0));
    b.button("cmdEdit", "pboxTxtEdit", pxAt(58, 0));
    b.button("cmdDel", "pboxTxtEdit", pxAt(116, 0));
    b.strip("pboxTxtSave", "planList", pxRect(773, 3, 168, 22)).hidden();
    b.button("cmdSave", "pboxTxtSave", pxAt(58, 0));
    b.button("cmdUpdate", "pboxTxtSave", pxAt(58, 0)).hidden();
    b.button("cmdCancel", "pboxTxtSave", pxAt(116, 0));

    b.frame("Frame3", "planList", pxRect(240, 26, 701, 57), "文档显示设置");
    b.label("Label12", "Frame3", pxRect(8, 20, 36, 15), "字体：");
    b.combo("cmdFontName", "Frame3", pxRect(44, 16, 96, 20), ole(kEditorGrey));
    b.label("Label13", "Frame3", pxRect(148, 20, 36, 15), "字号：");
    b.combo("cmdFontSize", "Frame3", pxRect(184, 16, 48, 20), ole(kEditorGrey));
    b.label("Label14", "Frame3", pxRect(240, 20, 60, 15), "文字颜色：");
    b.l.add("Label", "cmdFontColor", "Frame3", pxRect(300, 17, 24, 18)).caption("").backStyle(1).border(1).back(0);
    b.label("Label15", "Frame3", pxRect(332, 20, 60, 15), "背景颜色：");
    b.l.add("Label", "cmdBackColor", "Frame3", pxRect(392, 17, 24, 18))
        .caption("")
        .backStyle(1)
        .border(1)
        .back(ole(kEditorGrey));
    b.button("cmdFormat", "Frame3", pxAt(428, 17)).tip("刷新当前文本样式");
    b.button("cmdDef", "Frame3", pxAt(502, 17)).tip("设为默认文本样式");
    b.button("cmdDoDef", "Frame3", pxAt(596, 17)).tip("还原默认文本样式");
    b.label("Label2", "Frame3", pxRect(8, 39, 420, 15), "显示设置只在编辑状态下才能被保存", kHint);
}

// The category manager: category list and file list with their header strips, the view and edit
// strips under the category list, hints around the file list.
void categoryPanel(Builder &b)
{
    const QRect panel(px(kPanelRect.x()), px(kPanelRect.y()), 14175, 9180);
    b.strip("planSet", "fmMain", panel).hidden();

    b.label("Label4", "planSet", pxRect(8, 3, 217, 15), "点击列表中目录名称，在下方进行编辑", kHint);
    b.label("Label10", "planSet", pxRect(232, 3, 400, 15), "双击文件列表中的文件可以用记事本打开哦", kHint);
    b.strip("Picture4", "planSet", pxRect(8, 18, 217, 22), kStrip);
    b.label("Label5", "Picture4", pxRect(8, 4, 120, 15), "目录列表", kAccentDark, boldFont());
    b.strip("Picture8", "planSet", pxRect(232, 18, 697, 22), kStrip);
    b.label("lbTListCount", "Picture8", pxRect(8, 4, 300, 15), "当前目录共有文件：", kAccentDark, boldFont());
    b.label("Label7", "Picture8", pxRect(388, 4, 60, 15), "大小", kInkSoft);
    b.label("Label6", "Picture8", pxRect(493, 4, 120, 15), "最后更新时间", kInkSoft);
    b.list("listType", "planSet", QRect(120, 600, 3255, 7215));
    b.list("ListTxtList", "planSet", QRect(3480, 600, 10455, 7215)).set("oleDragMode", 1); // drags its selected file name

    b.strip("Picture1", "planSet", QRect(120, 7800, 3195, 800));
    b.label("Label8", "Picture1", QRect(0, 120, 720, 255), "名称：");
    b.label("lbTypeName", "Picture1", QRect(720, 120, 2295, 255), "", kAccentDark, boldFont());
    b.button("cmdTypeAdd", "Picture1", QPoint(0, 400)).tip("添加新分类");
    b.button("cmdTypeEdit", "Picture1", QPoint(840, 400)).tip("修改分类名称");
    b.button("cmdTypeDel", "Picture1", QPoint(1680, 400)).tip("删除当前分类");

    b.strip("Picture2", "planSet", QRect(120, 7800, 3195, 975)).hidden();
    b.label("Label9", "Picture2", QRect(0, 120, 720, 255), "名称：");
    b.textBox("txtTypeName", "Picture2", QRect(720, 60, 2295, 320));
    b.button("cmdTypeSave", "Picture2", QPoint(0, 420)).tip("保存");
    b.button("cmdTypeUpdate", "Picture2", QPoint(0, 420)).tip("保存").hidden();
    b.button("cmdTypeCancel", "Picture2", QPoint(840, 420)).tip("取消");

    b.label("Label11", "planSet", pxRect(232, 530, 697, 32),
            "小提示：您可以将电脑上的txt文件拖放到文件列表或者目录列表，也可以将当前目录文件列表中的文件拖放到其它目录中。",
            kInkSoft);
}

void aboutPanel(Builder &b, const QString &homeAddress)
{
    const QRect panel(px(kPanelRect.x()), px(kPanelRect.y()), 14175, 9180);
    b.strip("planAbout", "fmMain", panel).hidden();

    const char *sections[5] = {"软件说明", "主站信息", "留言与Bug提交", "版权声明", "广告赞助"};
    const QRect frames[5] = {pxRect(16, 12, 448, 288), pxRect(480, 12, 449, 138), pxRect(480, 162, 449, 138),
                             pxRect(16, 336, 448, 180), pxRect(480, 336, 449, 180)};
    for (int i = 0; i < 5; ++i)
        b.frame("fmAbout", "planAbout", frames[i], sections[i]).index(i);
    b.l.add("Line", "Line1", "planAbout", pxRect(16, 318, 913, 1))
        .set("x1", px(16)).set("y1", px(318)).set("x2", px(929)).set("y2", px(318))
        .set("borderColor", ole(kLine));

    const QString texts[8] = {
        "Quillmere 是一款小巧的个人文本库，帮您把零散的文字资料分门别类地保存起来。每个分类就是程序目录下"
        " txt 文件夹中的一个文件夹，每篇文档就是其中的一个 txt 文件，随时可以用记事本打开。",
        "电脑上的 txt 文件可以直接拖放到文档列表或目录列表中导入；把文档拖到另一个目录即可移动；把文件拖到"
        "编辑区，就以它的内容新建一篇文档。",
        "每篇文档都可以单独设置字体、字号、文字颜色和背景颜色；双击字数统计可以用记事本打开当前文档。",
        "当前版本号: V2.0",
        "欢迎访问主站，获取更多实用小软件：",
        "使用中遇到问题，或者有好的想法和建议，欢迎到软件主页留言，每一条反馈我们都会认真阅读。",
        "本软件为免费软件，欢迎个人自由使用和传播，请勿用于商业用途。您的文档只保存在本机的程序目录中"
        "（txt 文件夹和 lanmore.mdb），请记得定期备份。",
        "如果您喜欢这个软件，欢迎推荐给身边的朋友。广告投放与赞助合作，请通过主站与我们联系。",
    };
    const QRect places[8] = {pxRect(32, 40, 416, 48),  pxRect(32, 98, 416, 48),  pxRect(32, 146, 416, 32),
                             pxRect(32, 224, 416, 15), pxRect(690, 48, 224, 15), pxRect(496, 190, 417, 32),
                             pxRect(32, 362, 416, 64), pxRect(496, 362, 417, 64)};
    for (int i = 0; i < 8; ++i) {
        Control &c = b.label("lbAbout", "planAbout", places[i], texts[i], i == 3 ? kInk : kInkSoft,
                             i == 3 ? boldFont() : FontSpec{});
        c.index(i);
        if (i == 3)
            c.align(2);
    }
    b.label("lbNewVersion", "planAbout", pxRect(32, 250, 416, 15), "").align(2);
    b.l.add("Image", "imgLogo", "planAbout", pxRect(496, 40, 180, 56)).picture(":/icons/logo.png");
    b.label("lbTarnwick", "planAbout", pxRect(690, 72, 224, 15), homeAddress, QColor(0, 0, 255), underlinedFont())
        .tip("打开网址");
    b.label("lbSoftPage", "planAbout", pxRect(496, 246, 160, 15), "点此查看软件主页", QColor(0, 128, 128),
            underlinedFont())
        .tip("查看最新动态");
    b.button("btAboutBack", "planAbout", pxAt(877, 576));
}

void footerAndHidden(Builder &b)
{
    b.label("lbADL", "fmMain", pxRect(12, kFooterTop + 5, 440, 15), "          ", kAccent);
    b.label("lbADR", "fmMain", pxRect(508, kFooterTop + 5, 440, 15), "By Tarnwick", kAccent).align(1);

    // Addresses live in labels below the window's bottom edge, never seen.
    const char *addresses[3] = {"lbSoftUrl", "lbADUL", "lbADUR"};
    for (int i = 0; i < 3; ++i)
        b.label(addresses[i], "fmMain", pxRect(12 + i * 200, kWinH + 12, 190, 15), "");
    // Window state: the current category, the current document and the default style.
    const char *state[8] = {"lbFolderID", "lbFolderName", "lbTxtID", "lbTxtName",
                            "lbfName",    "lbfSize",      "lbfColor", "lbbColor"};
    for (int i = 0; i < 8; ++i)
        b.label(state[i], "fmMain", pxRect(12 + (i % 4) * 200, kWinH + 32 + (i / 4) * 20, 190, 15), "").hidden();

    b.l.add("Timer", "Timer1", "fmMain", pxRect(12, kWinH + 80, 28, 28)).set("interval", 20).set("enabled", false);
    b.l.add("FileListBox", "File1", "fmMain", pxRect(52, kWinH + 80, 120, 40)).hidden().set("pattern", "*.txt");
    b.l.add("ImageList", "ImageList1", "fmMain", pxRect(184, kWinH + 80, 32, 32))
        .set("imageWidth", 17).set("imageHeight", 17).set("maskColor", ole(kMask))
        .set("images", QJsonArray{":/icons/document.png"});
    b.l.add("ImageList", "ImageList2", "fmMain", pxRect(228, kWinH + 80, 32, 32))
        .set("imageWidth", 20).set("imageHeight", 16).set("maskColor", ole(kMask))
        .set("images", QJsonArray{":/icons/category.png", ":/icons/category_drop.png"});
    b.l.add("CommonDialog", "CommonDialog1", "fmMain", pxRect(272, kWinH + 80, 32, 32));
}

} // namespace

Layout mainWindowLayout()
{
    Layout l("fmMain", "QuillmereV1.0", 14400, 9900);
    l.form().set("icon", ":/icons/quillmere.png").set("backColor", ole(kPanel));
    Builder b{l};
    header(b);
    documentPanel(b);
    categoryPanel(b);
    aboutPanel(b, "http://www.tarnwick.com");
    // The editor belongs to the window and lies over the document panel.
    l.add("RichTextBox", "myTxt", "fmMain", QRect(3720, 1620, 10515, 7880))
        .text("")
        .font()
        .back(kSysWindow)
        .fore(kSysWindowText)
        .border(1)
        .set("oleDropMode", 1);
    footerAndHidden(b);
    return l;
}

} // namespace skin
