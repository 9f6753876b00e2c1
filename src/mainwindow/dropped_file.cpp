#include "mainwindow/dropped_file.h"

#include "mainwindow/fm_main.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/ole_drag_drop.h"
#include "platform/files/file_ops.h"
#include "shared/module1_paths.h"
#include "shared/on_error.h"

#include <optional>

namespace mainwindow {

bool ReadableDroppedFile(const platform::DataObject& data, int index)
{
    if (!data.FileHasWindowsPath(index))
        return false;
    const QString path = data.Files(index);
    if (Module1::GetLastPathPart(path).startsWith(QLatin1Char('.')) || platform::HoldsOtherThanFile(path))
        return false;
    // Found only in another letter case, it is another file; a path that finds nothing is
    // still a dropped file, one that cannot be read.
    return platform::ExistsAsSpelled(path) || platform::Spellings(path).isEmpty();
}

DroppedFile CopyDroppedFile(const platform::DataObject& data, int index, const QString& category,
                            QString (*question)(const QString& fileName), const NameTest& titleHasRow,
                            shared::ResumeNext& next)
{
    const QString path = next.value([&] { return data.Files(index); }, QString());
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseSensitive))
        return DroppedFile::NotText;
    if (!next.value([&] { return ReadableDroppedFile(data, index); }, false))
        return DroppedFile::Failed;
    // The document the folder's list shows under the name, in whatever letter case, is the one
    // asked about and replaced; a twin of it there is left alone. Where that cannot be told,
    // nothing is copied.
    const QString fileName = Module1::GetLastPathPart(path);
    const std::optional<Landing> landing =
        next.value([&] { return std::optional<Landing>(LandingIn(category, fileName, titleHasRow)); },
                   std::optional<Landing>());
    if (!landing)
        return DroppedFile::Failed;
    const QString target = CategoryPath(category) + "\\" + landing->name;
    const bool replacing = !landing->listed.isEmpty();
    if (replacing && !next.value([&] { return Module1::AskYesNo(question(landing->listed)); }, false))
        return DroppedFile::Declined;
    // A file dragged out of this very folder is there already.
    if (target == path)
        return DroppedFile::InPlace;
    // The dropped file stays where it is, so a new copy need not be forced to the disk; one
    // that replaces a document is (the old one goes only once the new one is safe), and takes
    // the place of a link as a link, never writing where the link leads.
    const bool copied = next.value([&] {
        if (replacing)
            platform::FileCopy(path, target);
        else
            platform::CopyToNewFile(path, target);
        return true;
    }, false);
    return copied ? DroppedFile::InPlace : DroppedFile::Failed;
}

} // namespace mainwindow
