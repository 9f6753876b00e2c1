#include "buttons.h"

#include <cstdio>
#include <cstdlib>

namespace skin {
namespace {

FaceSpec tab(const char *name, const char *text, Glyph g) { return {name, 80, 22, FaceKind::Tab, text, g}; }
FaceSpec chrome(const char *name, Glyph g) { return {name, 13, 13, FaceKind::Chrome, {}, g}; }
FaceSpec command(const char *name, const char *text, Glyph g) { return {name, 52, 22, FaceKind::Command, text, g}; }
FaceSpec primary(const char *name, const char *text, Glyph g) { return {name, 52, 22, FaceKind::Primary, text, g}; }

QList<FaceSpec> buildMainWindowFaces()
{
    QList<FaceSpec> faces{
        tab("btTxt", "文本列表", Glyph::Lines),
        tab("btTypes", "分类管理", Glyph::Folder),
        tab("btAbout", "关于", Glyph::Info),
        chrome("btClose", Glyph::Cross),
        chrome("btMin", Glyph::Minus),
        chrome("btTop", Glyph::Expand),
        chrome("btBottom", Glyph::Shrink),
    };
    // The document strips (cmdAdd ...) and the category strips (cmdTypeAdd ...) share their faces.
    const struct { const char *role, *text; Glyph glyph; bool commits; } roles[6] = {
        {"Add", "新建", Glyph::Plus, false},      {"Edit", "编辑", Glyph::Pencil, false},
        {"Del", "删除", Glyph::Trash, false},     {"Save", "保存", Glyph::Check, true},
        {"Update", "更新", Glyph::Refresh, true}, {"Cancel", "取消", Glyph::Cross, false},
    };
    for (const char *prefix : {"cmd", "cmdType"})
        for (const auto &r : roles)
            faces << FaceSpec{QString(prefix) + r.role, 52, 22, r.commits ? FaceKind::Primary : FaceKind::Command,
                              r.text, r.glyph};
    faces << command("btAboutBack", "返回", Glyph::ArrowLeft)
          << FaceSpec{"cmdFormat", 70, 18, FaceKind::Command, "格式刷新", Glyph::Brush}
          << FaceSpec{"cmdDef", 90, 18, FaceKind::Command, "设为默认", Glyph::Star}
          << FaceSpec{"cmdDoDef", 90, 18, FaceKind::Command, "还原默认", Glyph::Undo}
          << FaceSpec{"cmdQuery", 18, 17, FaceKind::Command, {}, Glyph::Magnifier};
    return faces;
}

} // namespace

const QList<FaceSpec> &mainWindowFaces()
{
    static const QList<FaceSpec> faces = buildMainWindowFaces();
    return faces;
}

const QList<FaceSpec> &dialogFaces()
{
    static const QList<FaceSpec> faces{
        primary("btSave", "确定", Glyph::Check),
        command("btNo", "取消", Glyph::Cross),
        primary("btOK", "确定", Glyph::Check),
    };
    return faces;
}

const FaceSpec &faceOf(const QString &name)
{
    for (const auto *list : {&mainWindowFaces(), &dialogFaces()})
        for (const FaceSpec &f : *list)
            if (f.name == name)
                return f;
    std::fprintf(stderr, "no face for %s\n", qPrintable(name));
    std::abort();
}

} // namespace skin
