// qm-skingen <assets dir> [--preview <dir>]
// Draws every skin picture and icon and writes both window layouts into the assets folder.
// Needs the WenQuanYi Micro Hei font; run with QT_QPA_PLATFORM=offscreen.
#include "buttons.h"
#include "faces.h"
#include "geometry.h"
#include "layouts.h"
#include "palette.h"
#include "pictures.h"
#include "preview.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

using namespace skin;

namespace {

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "qm-skingen: %s\n", qPrintable(why));
    std::exit(1);
}

void save(const QImage &img, const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    const bool jpeg = path.endsWith(".jpg");
    if (!img.save(path, jpeg ? "JPG" : "PNG", jpeg ? 92 : -1))
        fail("cannot write " + path);
}

void writeText(const QString &text, const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text.toUtf8()) < 0)
        fail("cannot write " + path);
}

// What lies behind a button: the window's picture on the header strip and on the dialog, the
// container's own colour elsewhere.
QImage baseUnder(const Layout &layout, const Control &button, const QImage &background)
{
    const FaceSpec &face = faceOf(button.name());
    const QString in = button.container();
    if (in == layout.form().name() || in == "planMenu")
        return background.copy(layout.absolutePx(button).toRect().topLeft().x(),
                               layout.absolutePx(button).toRect().topLeft().y(), face.width, face.height);
    QImage base(face.width, face.height, QImage::Format_RGB32);
    const Control *box = layout.find(in);
    const qint64 ole = box ? box->value("backColor").toInteger() : skin::ole(kPanel);
    base.fill(QColor(ole & 0xff, (ole >> 8) & 0xff, (ole >> 16) & 0xff));
    return base;
}

QStringList writeStrips(const Layout &layout, const QImage &background, const QString &assets)
{
    QStringList names;
    for (const Control &c : layout.controls()) {
        if (c.kind() != "iButton")
            continue;
        const FaceSpec &face = faceOf(c.name());
        if (c.twips().size() != QSize(face.width * kTwips, face.height * kTwips))
            fail(c.name() + ": size differs from its frame");
        save(drawStrip(face, baseUnder(layout, c, background)), assets + "/skins/buttons/" + c.name() + ".jpg");
        names << c.name();
    }
    return names;
}

void writePreviews(const Layout &main, const Layout &msg, const QStringList &buttons, const QString &assets,
                   const QString &dir)
{
    const QHash<QString, QString> running{
        {"lbNowType", "目录：工作笔记"}, {"lbcolname", "【共5篇文本】"}, {"lbLen", "字数统计：356"},
        {"txtTitle", "周例会纪要"}, {"cmdFontName", "宋体"}, {"cmdFontSize", "10"},
        {"lbTListCount", "当前目录共有： 4个文本"}, {"lbTypeName", "工作笔记"},
        {"lbADL", "2.0版支持文件拖动，操作更简单"}, {"lbNewVersion", "已是最新版本"},
        {"myTxt", "本周例会要点：\n一、项目进度按计划推进，接口联调本周完成。\n二、下周开始编写用户手册。\n三、周五前提交测试报告。"},
        {"LabelInfo", "是否删除当前文档?"}};
    PreviewState list{{"planList", "imgMenu(0)"}, {"btTxt"}, running};
    save(renderPreview(main, assets, list), dir + "/main_list.png");
    PreviewState edit = list;
    edit.show.unite(QSet<QString>{"pboxTxtSave", "ComboType"});
    edit.hide.insert("pboxTxtEdit");
    edit.texts["lbLen"] = "分类：";
    edit.texts["ComboType"] = "工作笔记";
    save(renderPreview(main, assets, edit), dir + "/main_edit.png");
    PreviewState set{{"planSet", "imgMenu(1)"}, {"btTypes", "myTxt"}, running};
    save(renderPreview(main, assets, set), dir + "/main_set.png");
    PreviewState about{{"planAbout", "imgMenu(2)"}, {"btAbout", "myTxt"}, running};
    save(renderPreview(main, assets, about), dir + "/main_about.png");
    PreviewState ask{{}, {"btOK"}, running};
    const QImage askImg = renderPreview(msg, assets, ask);
    PreviewState info{{}, {"btSave", "btNo"}, running};
    info.texts["LabelInfo"] = "创建文件出错，请换个标题重试。\r\n如果该分类始终无法创建任何文件，请删除分类重新创建。";
    const QImage infoImg = renderPreview(msg, assets, info);
    QImage dialogs(askImg.width() * 2, askImg.height() * 4 + 8, QImage::Format_RGB32);
    dialogs.fill(QColor(90, 90, 90));
    QPainter dp(&dialogs);
    dp.drawImage(QRect(0, 0, askImg.width() * 2, askImg.height() * 2), askImg);
    dp.drawImage(QRect(0, askImg.height() * 2 + 8, askImg.width() * 2, askImg.height() * 2), infoImg);
    dp.end();
    save(dialogs, dir + "/dialogs.png");
    QStringList strips;
    for (const QString &b : buttons)
        strips << "skins/buttons/" + b + ".jpg";
    save(renderStripSheet(strips, assets, 2), dir + "/strips.png");
    save(renderStripSheet({"skins/buttons/btTop.jpg", "skins/buttons/btBottom.jpg", "skins/buttons/btMin.jpg",
                           "skins/buttons/btClose.jpg", "skins/buttons/cmdQuery.jpg"}, assets, 8),
         dir + "/chrome.png");
    save(renderStripSheet({"skins/marks/imgMenu0.jpg", "skins/marks/imgMenu1.jpg", "skins/marks/imgMenu2.jpg",
                           "icons/document.png", "icons/category.png", "icons/category_drop.png", "icons/logo.png"},
                          assets, 4),
         dir + "/marks_icons.png");
    save(QImage(assets + "/icons/quillmere.png").scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation),
         dir + "/icon.png");
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        fail("usage: qm-skingen <assets dir> [--preview <dir>]");
    const QString assets = QDir(args[0]).absolutePath();
    const int previewAt = args.indexOf("--preview");
    if (!QFontDatabase::families().contains("WenQuanYi Micro Hei"))
        fail("the font WenQuanYi Micro Hei is not installed (fonts-wqy-microhei)");

    const Layout main = mainWindowLayout();
    const Layout msg = dialogLayout();
    for (const Layout *l : {&main, &msg})
        for (const QString &problem : l->problems())
            fail(l->form().name() + ": " + problem);

    const QImage mainBack = mainBackground(main);
    const QImage msgBack = dialogBackground();
    save(mainBack, assets + "/skins/fmMain.jpg");
    save(msgBack, assets + "/skins/FmMsg.jpg");
    QStringList buttons = writeStrips(main, mainBack, assets) + writeStrips(msg, msgBack, assets);
    if (buttons.size() != 27)
        fail(QStringLiteral("%1 skinned buttons, 27 expected").arg(buttons.size()));

    const char *tabs[3] = {"btTxt", "btTypes", "btAbout"};
    for (int i = 0; i < 3; ++i) {
        const Control *mark = main.find("imgMenu", i);
        const QRect at = main.absolutePx(*mark).toRect();
        save(drawTabMark(faceOf(tabs[i]), mainBack.copy(at)),
             assets + QStringLiteral("/skins/marks/imgMenu%1.jpg").arg(i));
    }

    save(documentIcon(), assets + "/icons/document.png");
    save(categoryIcon(false), assets + "/icons/category.png");
    save(categoryIcon(true), assets + "/icons/category_drop.png");
    save(logoPicture(), assets + "/icons/logo.png");
    save(programIcon(), assets + "/icons/quillmere.png");

    writeText(main.toJson(), assets + "/layout/fmMain.json");
    writeText(msg.toJson(), assets + "/layout/FmMsg.json");

    if (previewAt >= 0 && previewAt + 1 < args.size())
        writePreviews(main, msg, buttons, assets, args[previewAt + 1]);
    return 0;
}
