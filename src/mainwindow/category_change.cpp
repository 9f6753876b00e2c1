#include "mainwindow/category_change.h"

#include "mainwindow/fm_main.h"
#include "platform/files/exact_entries.h"
#include "shared/module1_storage.h"

#include <QByteArrayList>

namespace mainwindow {
namespace {
const QString kReservedPrefix = QStringLiteral(".quillmere-");
const QString kNote = QStringLiteral(".quillmere-change");
const QByteArray kHeading = "quillmere category change";

// One line each, the names by the bytes of their text, so that no name can break a line; the
// last line tells that the note was written whole.
QByteArray encoded(const CategoryChange& change)
{
    const QByteArrayList lines{kHeading,
                               change.kind == CategoryChange::Kind::Rename ? "rename" : "delete",
                               QByteArray::number(change.number),
                               change.from.toUtf8().toHex(),
                               change.to.toUtf8().toHex(),
                               "end"};
    return lines.join('\n') + '\n';
}

std::optional<CategoryChange> decoded(const QByteArray& note)
{
    const QByteArrayList lines = note.split('\n');
    if (lines.size() != 7 || lines[0] != kHeading || lines[5] != "end" || !lines[6].isEmpty())
        return std::nullopt;
    CategoryChange change;
    if (lines[1] == "rename")
        change.kind = CategoryChange::Kind::Rename;
    else if (lines[1] == "delete")
        change.kind = CategoryChange::Kind::Delete;
    else
        return std::nullopt;
    bool ok = false;
    change.number = lines[2].toLongLong(&ok);
    change.from = QString::fromUtf8(QByteArray::fromHex(lines[3]));
    change.to = QString::fromUtf8(QByteArray::fromHex(lines[4]));
    if (!ok || change.number <= 0 || change.from.isEmpty() || change.to.isEmpty())
        return std::nullopt;
    return change;
}

// The name the category's row holds, or none when the row is gone; fails when the rows cannot
// be read, since then nothing tells what was done.
std::optional<QString> rowName(qint64 number)
{
    Module1::OpenRs("select * from Types where ID=" + QString::number(number));
    std::optional<QString> name;
    if (Module1::Rs().RecordCount() > 0)
        name = Module1::Rs()["TypeName"].toString();
    Module1::CloseRsAndConn();
    return name;
}
} // namespace

bool IsReservedName(const QString& name)
{
    return name.startsWith(kReservedPrefix, Qt::CaseInsensitive);
}

QString DeletingName(qint64 number)
{
    return kReservedPrefix + QStringLiteral("deleting-") + QString::number(number);
}

CategoryNote::CategoryNote(const CategoryChange& change) : file_(LibraryRoot(), kNote, encoded(change))
{
}

void CategoryNote::forget()
{
    file_.remove();
}

QString CategoryNote::inTheWay()
{
    return platform::HeldFile::strangerAt(LibraryRoot(), kNote);
}

std::optional<UnfinishedChange> ResolveCategoryChange(shared::ResumeNext& next)
{
    const QString root = LibraryRoot();
    next([&] { platform::HeldFile::clearAbandoned(root, kNote); });
    using Note = std::optional<platform::FoundFile>;
    const Note note = next.value([&] { return platform::ReadFileIfAny(root, kNote); }, Note());
    if (!note)
        return std::nullopt;
    const std::optional<CategoryChange> change = decoded(note->content);
    if (note->held)
        return change ? std::optional<UnfinishedChange>({change->number, {change->to}}) : std::nullopt;
    // A note not written whole was written before anything else was done.
    const auto forget = [&] { next([&] { platform::RemoveFile(root, kNote); }); };
    if (!change) {
        forget();
        return std::nullopt;
    }
    using Row = std::optional<std::optional<QString>>;
    const Row row = next.value([&] { return Row(rowName(change->number)); }, Row());
    if (!row) {
        next([] { Module1::CloseRsAndConn(); });
        return UnfinishedChange{change->number, {change->from, change->to}};
    }

    const auto holds = [&](const QString& name) { return platform::HoldsEntry(root, name); };
    bool whole = false;
    QString other = change->to;   // the folder name that is not the category's while unfinished
    if (change->kind == CategoryChange::Kind::Rename) {
        // The folder takes the name its row holds: the new one once the row was stored, else
        // the old one again.
        const bool stored = *row == change->to;
        const QString& name = stored ? change->to : change->from;
        other = stored ? change->from : change->to;
        whole = next.value([&] {
            if (!holds(name) && holds(other))
                platform::RenameEntry(root, other, name);
            return true;
        }, false);
    } else if (row->has_value()) {
        // The rows are still there: the delete never happened, and the folder comes back.
        whole = next.value([&] {
            if (holds(change->to) && !holds(change->from))
                platform::RenameEntry(root, change->to, change->from);
            return !holds(change->to);
        }, false);
    } else {
        // The rows are gone: what is left of the folder goes too.
        whole = next.value([&] {
            platform::RemoveEntryTree(root, change->to);
            return true;
        }, false);
    }
    if (!whole)
        return UnfinishedChange{change->number, {other}};
    forget();
    return std::nullopt;
}

} // namespace mainwindow
