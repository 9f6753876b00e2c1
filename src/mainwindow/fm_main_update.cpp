#include "mainwindow/fm_main.h"

#include "mainwindow/blank_trim.h"
#include "mainwindow/document_row.h"
#include "mainwindow/fm_msg.h"
#include "mainwindow/one_per_name.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/error.h"
#include "platform/files/file_ops.h"
#include "platform/files/listing.h"
#include "platform/files/set_aside.h"
#include "platform/files/text_files.h"
#include "shared/module1_storage.h"
#include "shared/on_error.h"
#include "shared/sql_quote.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace mainwindow {
namespace {

// The document number a caption holds; none for a caption that is not a whole number.
std::optional<qint64> documentNumber(const QString& text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

// The list row of the document, by its whole number, so no other row can ever match.
ListItemPtr documentRow(platform::ListView& list, const QString& id)
{
    const std::optional<qint64> wanted = documentNumber(id);
    const int count = wanted ? list.ListItems().Count() : 0;
    for (int i = 1; i <= count; ++i) {
        const ListItemPtr item = list.ListItems().Item(i);
        if (documentNumber(item->Tag()) == wanted)
            return item;
    }
    return nullptr;
}

platform::ListItem& required(const ListItemPtr& row)
{
    if (!row)
        throw platform::Error("the document has no row in the list");
    return *row;
}

const QString kUpdateFailed = QStringLiteral("保存文档出错，修改未能保存！");
const QString kDeleteFailed = QStringLiteral("删除文档出错，文档未能删除！");

// The open document's row by its number, as long as the row still is that document, by the
// title and category it was opened with: another copy of the program may since have given the
// number's row another title or category, and then it is another document's row, which nothing
// here may change.
QString openDocumentRow(const fmMain& w)
{
    return "ID=" + Trim(w.lbTxtID->Caption()) + " and Title=" + shared::Quoted(w.lbTxtName->Caption())
        + " and Type=" + w.lbFolderID->Caption();
}

// Whether the open document's file may be another document's by now: a row still holds its
// number (another copy of the program retitled or moved it), or a row of its category holds its
// title (another copy deleted it and saved a new document under its name).
bool fileOfAnotherRow(const fmMain& w)
{
    Module1::OpenRs("select * from Log where ID=" + Trim(w.lbTxtID->Caption()) + " or (Title="
                    + shared::Quoted(w.lbTxtName->Caption()) + " and Type=" + w.lbFolderID->Caption() + ")");
    const bool there = Module1::Rs().RecordCount() > 0;
    Module1::CloseRsAndConn();
    return there;
}

// The document's row: its six columns stored from the editor, and put back as they were.
class RowChange {
public:
    RowChange(const fmMain& w, const QString& typeID, const QString& title)
        : w_(w), typeID_(typeID), title_(title), opened_("select * from Log where " + openDocumentRow(w)),
          query_("select * from Log where ID=" + Trim(w.lbTxtID->Caption()))
    {
    }
    void store()
    {
        Module1::OpenRs(opened_);
        if (Module1::Rs().RecordCount() != 1)
            throw platform::Error("the row is no longer the open document's");
        assignDocumentColumns(w_, title_, typeID_, [&](const char* column, const platform::Variant& value) {
            old_.emplace_back(column, Module1::Rs()[column].Value());
            Module1::Rs()[column] = value;
        });
        Module1::Rs().Update();
    }
    void restore()
    {
        Module1::OpenRs(query_);
        for (const auto& [column, value] : old_)
            Module1::Rs()[column] = value;
        Module1::Rs().Update();
        Module1::CloseRsAndConn();
    }

private:
    const fmMain& w_;
    QString typeID_, title_, opened_, query_;
    std::vector<std::pair<const char*, platform::Variant>> old_;
};

// Under its own name the new text is written whole beside the file, then the row is stored,
// and only then does the text take the file's place, in one rename (through a link, beside the
// file the link leads to). Stopped before the rename, the file holds its old text.
void storeInPlace(fmMain& w, const QString& path, RowChange& row)
{
    shared::AllOrNothing steps;
    const auto text = platform::PendingText(path, w.myTxt->FileText(), w.myTxt->FileFormat(), platform::Placing::InPlace);
    steps([&] { row.store(); }, [&] { row.restore(); });
    steps([&] { text->putInPlace(); });
}

// Under a new title or in another category: the new file, then the row, then the old file.
// Before the row, the document's own file gets a second, hidden name, which proves it can go (an
// immutable file or a read-only folder refuses that as it would refuse the delete) while it
// keeps its own: so nothing is stored that could not be finished, and stopped at any point the
// document is whole with its own style (at worst its other file is listed once more). The new
// name is free of any other file, the clash check saw to that; a file that takes it meanwhile
// refuses the new text, and everything is put back.
void storeUnderNewName(fmMain& w, const QString& ownPath, const QString& newPath, RowChange& row)
{
    shared::AllOrNothing steps;
    const auto text = platform::PendingText(newPath, w.myTxt->FileText(), w.myTxt->FileFormat(), platform::Placing::New);
    steps([&] { text->putInPlace(); }, [&] { text->withdraw(); });
    // Only the document's own file goes, a link as a link; when it is gone, nothing does. (Where
    // the file system ignores letter case, the new file may be that very file.)
    std::optional<platform::SetAside> own;
    if (!ownPath.isEmpty() && platform::NormalFileExists(ownPath) && !platform::SameEntry(ownPath, newPath))
        steps([&] { own.emplace(ownPath, platform::SetAside::How::SecondName); });
    steps([&] { row.store(); }, [&] { row.restore(); });
    // The change stands once the row is stored: an old file that still cannot go is only listed
    // once more, never a reason to take back what is stored.
    shared::ResumeNext next;
    if (own)
        next([&] { own->remove(); });
}

void storeUpdate(fmMain& w, bool inPlace, const QString& ownPath, const QString& newPath, const QString& typeID,
                 const QString& title)
{
    RowChange row(w, typeID, title);

    w.EnsureTypeFolder(w.ComboType->Text());
    if (inPlace)
        storeInPlace(w, newPath, row);
    else
        storeUnderNewName(w, ownPath, newPath, row);
    Module1::CloseRsAndConn();
}

// Whether the new text is written into the document's own file: its title and category are
// unchanged (or changed in letter case only where the file system ignores it).
bool writesInPlace(const QString& ownPath, const QString& newPath)
{
    return !ownPath.isEmpty() && platform::ExistsAsSpelled(newPath) && platform::SameEntry(newPath, ownPath);
}

// Whether a file other than the document's own holds the new name, in any letter case: one
// made outside or put there since the list was loaded, a twin left alone by the list. The new
// text would take its place, and it would be lost. Written in place, the document's own file
// takes the text and nothing beside it is touched.
bool nameTakenByAnotherFile(const QString& category, const QString& newPath, const QString& ownPath, bool inPlace)
{
    if (inPlace)
        return false;
    const QStringList names = platform::Spellings(newPath);
    return std::any_of(names.begin(), names.end(), [&](const QString& name) {
        const QString path = CategoryPath(category) + "\\" + name;
        return platform::NormalFileExists(path) && (ownPath.isEmpty() || !platform::SameEntry(path, ownPath));
    });
}

} // namespace

void fmMain::cmdUpdate_Click()
{
    UpdateDocument();
}

bool fmMain::UpdateDocument()
{
    shared::ResumeNext next;

    if (next.holds([&] { return Trim(lbTxtName->Caption()).isEmpty(); })) {
        next([] { Module1::ShowInfo(QStringLiteral("请选择需要更新的文档！")); });
        return false;
    }
    if (next.holds([&] { return !CheckDocumentInput(); }))
        return false;
    // A file the editor could not read byte for byte would be damaged by writing it back.
    if (!myTxt->FileFormat().exact) {
        next([] { Module1::ShowInfo(UnreadableFileText()); });
        return false;
    }
    const QString typeID = next.value([&] { return GetTypeID(ComboType->Text()); }, QString());
    const QString title = Trim(txtTitle->Text());

    // The document's own file is the one its list showed, by its title exactly: a file beside
    // it whose name differs only in letter case is another one. A file that cannot be looked up
    // is none to the clash check, and the update then writes nothing.
    const std::optional<QString> ownPath = next.value(
        [&] { return std::optional<QString>(OwnDocumentFile(lbFolderName->Caption(), lbTxtName->Caption())); },
        std::optional<QString>());
    const QString newPath = DocumentPath(ComboType->Text(), title);

    // A clash check that cannot run counts as a clash: nothing is touched then. Another
    // document's row of the title clashes, and so does any other file of the name in the target
    // folder.
    const bool inPlace = next.value([&] { return writesInPlace(ownPath.value_or(QString()), newPath); }, false);
    if (next.holds([&] {
            Module1::OpenRs("select * from Log where Title=" + shared::Quoted(title) + " and Type=" + typeID
                            + " and ID<>" + lbTxtID->Caption());
            return Module1::Rs().RecordCount() >= 1
                || nameTakenByAnotherFile(ComboType->Text(), newPath, ownPath.value_or(QString()), inPlace);
        })) {
        next([&] { Module1::ShowInfo(TitleClashText(ComboType->Text(), title)); });
        next([] { Module1::CloseRsAndConn(); });
        return false;
    }
    next([] { Module1::CloseRsAndConn(); });
    // Without its own file's lookup nothing tells which file the new text would replace or
    // leave behind: the update is refused, the text stays in the editor.
    if (!ownPath) {
        next([] { Module1::ShowInfo(kUpdateFailed); });
        return false;
    }
    IsEditing = false;

    // All or nothing: an update that cannot be stored whole keeps the user's text in the editor,
    // still to be saved, and says so.
    const bool stored = shared::trapAll([&] { storeUpdate(*this, inPlace, *ownPath, newPath, typeID, title); },
                                        [&](const std::string&) {
                                            IsEditing = true;
                                            Module1::ShowInfo(kUpdateFailed);
                                        });
    if (!stored)
        return false;

    if (next.holds([&] { return lbFolderID->Caption() == typeID; })) {
        const ListItemPtr row = next.value([&] { return documentRow(*listTxt, lbTxtID->Caption()); }, ListItemPtr());
        next([&] { required(row).setText(title); });
        next([&] { required(row).setSubItems(2, cmdFontName->Text()); });
        next([&] { required(row).setSubItems(3, cmdFontSize->Text()); });
        next([&] { required(row).setSubItems(4, QString::number(cmdFontColor->BackColor())); });
        next([&] { required(row).setSubItems(5, QString::number(cmdBackColor->BackColor())); });
        next([&] { cmdCancel_Click(); });
    } else {
        next([&] { cmdQuery_Click(); });
    }
    return true;
}

void fmMain::cmdDel_Click()
{
    shared::ResumeNext next;

    if (next.holds([&] { return lbTxtID->Caption().isEmpty(); })) {
        next([] { Module1::ShowInfo(QStringLiteral("请选择需要删除的文档")); });
        return;
    }
    // A question that cannot be asked is no answer: nothing is deleted without a yes.
    if (!next.value([] { return Module1::AskYesNo(QStringLiteral("是否删除当前文档?")); }, false))
        return;

    // The file is set aside, the row deleted, and only then is the file removed: a file that
    // cannot go (an immutable file, a read-only folder), or a row that then cannot, leaves the
    // document whole, its file renamed back, and says so; no byte of it is ever written again.
    // Only the document's own file goes: when it is gone, the row goes alone, and a file whose
    // name differs from it only in letter case stays.
    std::int32_t removed = 0;
    const bool deleted = shared::trapAll(
        [&] {
            shared::AllOrNothing steps;
            std::optional<platform::SetAside> file;
            const QString path = OwnDocumentFile(lbFolderName->Caption(), lbTxtName->Caption());
            if (!path.isEmpty() && platform::NormalFileExists(path))
                steps([&] { file.emplace(path); }, [&] { file->putBack(); });
            steps([&] { removed = Module1::ExecuteSql("delete * from Log where " + openDocumentRow(*this)); });
            // When the row was not the open document's any more, the file stays if another row
            // may own it (also when that cannot be told); a file no row owns goes as asked.
            const bool othersRow = removed != 1 && next.holds([&] { return fileOfAnotherRow(*this); });
            if (file)
                next([&] { othersRow ? file->putBack() : file->remove(); });
        },
        [](const std::string&) { Module1::ShowInfo(kDeleteFailed); });
    if (deleted && removed != 1)
        next([] { Module1::ShowInfo(QStringLiteral("删除出错,请留言功能提交此Bug!")); });
    next([] { Module1::CloseConn(); });
    if (deleted)
        next([&] { cmdQuery_Click(); });
}

} // namespace mainwindow
