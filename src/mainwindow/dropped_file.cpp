#include "mainwindow/dropped_file.h"

#include "mainwindow/fm_msg.h"
#include "platform/controls/ole_drag_drop.h"
#include "platform/files/file_ops.h"
#include "platform/files/listing.h"
#include "shared/module1_paths.h"
#include "shared/on_error.h"

namespace mainwindow {

bool ReadableDroppedFile(const platform::DataObject& data, int index)
{
    return data.FileHasWindowsPath(index) && !Module1::GetLastPathPart(data.Files(index)).startsWith(QLatin1Char('.'));
}

DroppedFile CopyDroppedFile(const platform::DataObject& data, int index, const QString& categoryFolder,
                            QString (*question)(const QString& fileName), shared::ResumeNext& next)
{
    const QString path = next.value([&] { return data.Files(index); }, QString());
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseSensitive))
        return DroppedFile::NotText;
    if (!next.value([&] { return ReadableDroppedFile(data, index); }, false))
        return DroppedFile::Failed;
    const QString fileName = Module1::GetLastPathPart(path);
    const QString target = categoryFolder + "\\" + fileName;
    const bool replacing = next.holds([&] { return platform::NormalFileExists(target); });
    if (replacing && !next.value([&] { return Module1::AskYesNo(question(fileName)); }, false))
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
