#pragma once
// The six columns of a document's Log row, in the order both the save and the update set them.
#include "mainwindow/fm_main.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/label.h"
#include "platform/storage/variant.h"

#include <QString>

namespace mainwindow {

// assign(column, value) is called once per column; the caller decides how a failure counts.
template <class Assign>
void assignDocumentColumns(const fmMain& w, const QString& title, const QString& typeID, Assign&& assign)
{
    assign("Title", platform::Variant(title));
    assign("Type", platform::Variant(typeID));
    assign("FontSize", platform::Variant(w.cmdFontSize->Text()));
    assign("FontName", platform::Variant(w.cmdFontName->Text()));
    assign("FontColor", platform::Variant(w.cmdFontColor->BackColor()));
    assign("BackColor", platform::Variant(w.cmdBackColor->BackColor()));
}

// The clash message of both saves, for the title as the caller shows it.
inline QString TitleClashText(const QString& category, const QString& title)
{
    return category + QStringLiteral("栏目") + QStringLiteral("下已存在标题为【") + title
        + QStringLiteral("】的文档");
}

// Both saves refuse a text the editor could not read byte for byte: writing it back would
// change the file.
inline QString UnreadableFileText()
{
    return QStringLiteral("该文档含有无法识别的字符，更新会改变原文件，已取消更新。");
}

} // namespace mainwindow
