#include "mainwindow/fm_main.h"

#include "mainwindow/blank_trim.h"
#include "mainwindow/category_name.h"
#include "mainwindow/one_per_name.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/file_list_box.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/error.h"
#include "platform/files/file_ops.h"
#include "platform/files/listing.h"
#include "platform/files/windows_path.h"
#include "shared/module1_storage.h"
#include "shared/on_error.h"
#include "shared/write_batch.h"

#include <QSet>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <unordered_map>
#include <vector>

namespace mainwindow {
namespace {
// The current category as the window holds it; none when either label is empty or the number
// is not one, since every query of the list is built from them.
bool holdsCategory(const QString& typeID, const QString& folderName)
{
    bool number = false;
    typeID.toInt(&number);
    return number && !folderName.isEmpty();
}

// A value of the style for a row adopted from a file: the default style's; where that could not
// be read (no MySet row), the style control's, or else the editor's own, so that every adopted
// row is stored and opens.
QString firstSet(std::initializer_list<QString> values)
{
    for (const QString& value : values)
        if (!value.isEmpty())
            return value;
    return QString();
}

// A file's title: its name less the last four characters, whatever they are.
QString titleOf(const QString& file)
{
    return file.left(file.size() - 4);
}

// Whether a row's file is gone, answered from the listing just read: it holds every normal
// ".txt" file of the folder, so a title without a folder separator that it lacks has no file.
// Asking the file system instead would read the whole folder once per missing name. A link of
// that name that leads nowhere at this load (to a disk not mounted, say) is the document's own
// file, which may be back at the next: its row stays, and with it the document's style.
class ListedFiles {
public:
    explicit ListedFiles(const QStringList& files)
    {
        for (const QString& file : files)
            keys_.insert(platform::nameKey(file));
    }

    bool gone(const QString& folderName, const QString& title) const
    {
        if (title.contains(u'\\') || title.contains(u'/'))
            return !platform::NormalFileExists(DocumentPath(folderName, title));
        return !keys_.contains(platform::nameKey(title + ".txt")) && !platform::IsLink(DocumentPath(folderName, title));
    }

private:
    QSet<QString> keys_;
};

// The category's rows by title, compared as the database compares titles (only A to Z fold),
// the first of equal titles winning as in the table's own order; a row that holds a title
// exactly wins over one that holds it in another letter case.
class CategoryRows {
public:
    struct Row {
        QString title;
        std::optional<int> id;
        QString fontName, fontSize, fontColor, backColor;
    };

    // Every live row of Rs2, from its first.
    void read(shared::ResumeNext& next)
    {
        using Module1::Rs2;
        const std::optional<Columns> columns = columnsOf(next);
        if (!columns)
            return;
        next([&] { rows_.reserve(std::size_t(std::max(0, Rs2().RecordCount()))); });
        next([] { Rs2().MoveFirst(); });
        while (next.value([] { return !Rs2().Eof(); }, false)) {
            const QString title = next.value([&] { return columns->title.toString(); }, QString());
            if (const auto [row, added] = rows_.try_emplace(platform::nameKey(title)); added)
                row->second = current(*columns, title, next);
            else if (row->second.title != title)
                others_.try_emplace(title, current(*columns, title, next));
            if (!next.value([] { Rs2().MoveNext(); return true; }, false))
                break;
        }
    }

    // The row just stored through Rs2.
    const Row* addCurrent(shared::ResumeNext& next)
    {
        const std::optional<Columns> columns = columnsOf(next);
        if (!columns)
            return nullptr;
        const QString title = next.value([&] { return columns->title.toString(); }, QString());
        return &rows_.insert_or_assign(platform::nameKey(title), current(*columns, title, next)).first->second;
    }

    const Row* find(const QString& title) const
    {
        const auto it = rows_.find(platform::nameKey(title));
        if (it == rows_.end())
            return nullptr;
        if (it->second.title != title)
            if (const auto other = others_.find(title); other != others_.end())
                return &other->second;
        return &it->second;
    }

    // Whether a row holds the title in this very spelling.
    bool holdsExactly(const QString& title) const
    {
        const Row* row = find(title);
        return row && row->title == title;
    }

private:
    // Looked up by name once, not once per row.
    struct Columns {
        platform::Field id, title, fontName, fontSize, fontColor, backColor;
    };

    static std::optional<Columns> columnsOf(shared::ResumeNext& next)
    {
        using Module1::Rs2;
        return next.value([] {
            return std::optional<Columns>(Columns{Rs2()["ID"], Rs2()["Title"], Rs2()["FontName"], Rs2()["FontSize"],
                                                  Rs2()["FontColor"], Rs2()["BackColor"]});
        }, std::optional<Columns>());
    }

    // The text of a value, shared with the previous row's when the value is the same: the
    // style columns repeat a handful of values down thousands of rows.
    struct LastText {
        platform::Variant value;
        QString text;
    };
    static QString textOf(const platform::Field& field, LastText& last)
    {
        const platform::Variant value = field.Value();
        if (value.isEmpty() || !(value == last.value)) {
            last.text = value.toString();
            last.value = value;
        }
        return last.text;
    }

    Row current(const Columns& c, const QString& title, shared::ResumeNext& next)
    {
        Row row;
        row.title = title;
        row.id = next.value([&] { return std::optional<int>(c.id.toInt32()); }, std::optional<int>());
        row.fontName = next.value([&] { return textOf(c.fontName, last_[0]); }, QString());
        row.fontSize = next.value([&] { return textOf(c.fontSize, last_[1]); }, QString());
        row.fontColor = next.value([&] { return textOf(c.fontColor, last_[2]); }, QString());
        row.backColor = next.value([&] { return textOf(c.backColor, last_[3]); }, QString());
        return row;
    }

    LastText last_[4];
    std::unordered_map<QString, Row> rows_;     // by key; nodes stay put as rows are added
    std::unordered_map<QString, Row> others_;   // by title: rows of a key taken by another spelling
};
} // namespace

void fmMain::ListFolder_ItemClick(const ListItemPtr& Item)
{
    // A pending edit is asked about first; a save that fails keeps everything as it is, and the
    // list marks the category that stays current, not the one clicked.
    if (!ConfirmLeaveEdit()) {
        MarkCurrent(*ListFolder, lbFolderID->Caption());
        return;
    }
    SetEditMode(false);

    // An empty list or an item without a name or number makes nothing current.
    if (ListFolder->ListItems().Count() == 0)
        return;
    if (!Item)
        throw platform::Error("Object variable not set");
    if (Item->Text().isEmpty() || Item->Tag().isEmpty())
        return;

    // A category the list shows under a name its row no longer holds is none to open: its folder
    // would be made again and its number's rows measured against another folder.
    shared::ResumeNext next;
    if (next.value([&] { return CategoryListedStale(Item->Tag(), Item->Text()); }, false))
        return ReloadStaleCategories(Item->Text());

    // The category becomes the current one.
    lbFolderID->setCaption(Item->Tag());
    lbFolderName->setCaption(Item->Text());
    lbNowType->setCaption(QStringLiteral("目录：") + Item->Text());

    // Its folder is made when missing, then its list is loaded. A folder that cannot be made
    // leaves the category current with nothing listed, rather than the previous category's
    // documents under its name.
    next([&] { EnsureTypeFolder(Item->Text()); });
    cmdQuery_Click();
}

void fmMain::MarkCurrent(platform::ListView& list, const QString& number)
{
    list.setSelectedItem(number.isEmpty() ? nullptr : list.FindItem(number, platform::lvwTag));
}

// The reload empties the editor: a pending edit is asked about first, and a save that fails
// keeps the list and the editor as they are. A reload after a save or a category change finds
// no pending edit and asks nothing.
void fmMain::cmdQuery_Click()
{
    if (!ConfirmLeaveEdit())
        return;
    LoadDocumentList();
}

void fmMain::LoadDocumentList()
{
    using Module1::Rs2;
    shared::ResumeNext next;

    // The list starts empty; an empty search box lists every file whose name holds "txt".
    next([&] { listTxt->ListItems().Clear(); });
    QString keyword = next.value([&] { return Trim(txtQuery->Text()); }, QString());
    if (keyword.isEmpty())
        keyword = QStringLiteral("txt");

    // No document stays open.
    next([&] { SetEditMode(false); });
    ClearOpenDocument(next);

    // The listing goes by way of the root so that the folder is read anew. Without a current
    // category, with its folder gone, or with its row renamed or deleted by another copy of the
    // program since, nothing is listed and no row is touched: the root's own files are no
    // category's documents, nor another category's folder this one's.
    documentListInLine_ = false;
    const QString typeID = next.value([&] { return lbFolderID->Caption(); }, QString());
    const QString folderName = next.value([&] { return lbFolderName->Caption(); }, QString());
    next([&] { File1->setPath(LibraryRoot() + "\\"); });
    const bool listed = holdsCategory(typeID, folderName)
        && !next.value([&] { return CategoryListedStale(typeID, folderName); }, false) && next.value([&] {
        File1->setPath(CategoryPath(folderName));
        return true;
    }, false);
    QStringList files;
    if (listed)
        next([&] {
            for (int i = 0; i < File1->ListCount(); ++i)
                files << File1->List(i);
        });
    const QString folderPath = next.value([&] { return File1->Path() + "\\"; }, QString());

    if (listed) {
        // The category's rows, read once for the pruning and the lookups below.
        const bool opened = next.value([&] {
            Module1::OpenRs2("select * from Log where  Type=" + typeID);
            return true;
        }, false);

        // Rows whose file is gone go, only when the counts differ. A row that cannot be tested
        // is kept.
        if (opened && next.holds([&] { return Rs2().RecordCount() > 0 && Rs2().RecordCount() != files.size(); })) {
            const ListedFiles listing(files);
            next([&] { Rs2().MoveFirst(); });
            while (next.value([&] { return !Rs2().Eof(); }, false)) {
                if (next.value([&] {
                        return listing.gone(folderName, Rs2()["Title"].toString());
                    }, false))
                    next([&] { Rs2().Delete(); });
                if (!next.value([&] { Rs2().MoveNext(); return true; }, false))
                    break;
            }
        }

        // Every file has its row, whatever the keyword; the keyword picks what is listed. The
        // rows read above answer the lookup by title, as one query per file would. The missing
        // rows are stored together, holding the write lock once for all of them; when they
        // cannot be stored, their files are listed without a number.
        CategoryRows rows;
        if (opened)
            rows.read(next);
        // Of files whose names differ only in letter case one is the document, the one whose
        // row holds its title exactly (else the first): the others get no row and are not
        // listed, so that no two items ever share one row.
        files = next.value([&] {
            return OneDocumentPerName(folderName, files, [&](const QString& title) { return rows.holdsExactly(title); });
        }, files);
        // A row in the default style for a file that has none.
        auto adopt = [&](const QString& title) -> const CategoryRows::Row* {
            next([&] { Rs2().AddNew(); });
            next([&] { Rs2()["Title"] = title; });
            next([&] { Rs2()["Type"] = typeID; });
            next([&] {
                Rs2()["FontSize"] =
                    firstSet({lbfSize->Caption(), cmdFontSize->Text(), QString::number(myTxt->SelFontSize())});
            });
            next([&] {
                Rs2()["FontName"] = firstSet({lbfName->Caption(), cmdFontName->Text(), myTxt->SelFontName()});
            });
            next([&] {
                Rs2()["FontColor"] = firstSet({lbfColor->Caption(), QString::number(cmdFontColor->BackColor())});
            });
            next([&] {
                Rs2()["BackColor"] = firstSet({lbbColor->Caption(), QString::number(cmdBackColor->BackColor())});
            });
            if (next.value([&] { Rs2().Update(); return true; }, false))
                return rows.addCurrent(next);
            next([&] { Rs2().CancelUpdate(); });
            return nullptr;
        };
        std::vector<const CategoryRows::Row*> rowOf(files.size(), nullptr);
        std::vector<qsizetype> added;
        shared::WriteBatch batch;
        for (qsizetype i = 0; i < files.size(); ++i) {
            const QString title = titleOf(files[i]);
            rowOf[i] = rows.find(title);
            if (rowOf[i] || !opened)
                continue;
            batch.begin(next);
            rowOf[i] = adopt(title);
            if (rowOf[i])
                added.push_back(i);
        }
        if (!batch.commit(next))
            for (const qsizetype i : added)
                rowOf[i] = nullptr;

        for (qsizetype i = 0; i < files.size(); ++i) {
            const QString& file = files[i];
            const CategoryRows::Row* row = rowOf[i];
            if (!file.contains(keyword, Qt::CaseSensitive))
                continue;
            ListItemPtr item;
            next([&] { item = listTxt->ListItems().Add(titleOf(file), 1); });
            if (!item)
                continue;
            next([&] { item->setSubItems(1, folderPath); });
            if (row) {
                next([&] { item->setSubItems(2, row->fontName); });
                next([&] { item->setSubItems(3, row->fontSize); });
                next([&] { item->setSubItems(4, row->fontColor); });
                next([&] { item->setSubItems(5, row->backColor); });
            }
            // Without a row the item carries no number, so that it can never open, change or
            // delete another document.
            item->setTag(row && row->id ? QString::number(*row->id) : QString());
        }
        // A load that leaves one row per file, every step done, would be repeated to no effect.
        documentListInLine_ = opened && !next.anyFailed()
            && std::none_of(rowOf.begin(), rowOf.end(), [](const CategoryRows::Row* r) { return r == nullptr; })
            && next.value([&] { return Rs2().RecordCount() == files.size(); }, false);
    }

    // The first listed document opens, and the count label shows how many are listed.
    next([] { Module1::CloseRs2AndConn(); });
    if (next.value([&] { return listTxt->ListItems().Count() > 0; }, false))
        next([&] { listTxt_ItemClick(listTxt->ListItems().Item(1)); });
    next([&] {
        lbcolname->setCaption(QStringLiteral("【共") + QString::number(listTxt->ListItems().Count())
                              + QStringLiteral("篇文本】"));
    });
}

} // namespace mainwindow
