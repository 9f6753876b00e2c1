#include "mainwindow/dropped_file.h"

#include "mainwindow/fm_msg.h"
#include "platform/files/file_ops.h"
#include "platform/files/listing.h"
#include "shared/module1_paths.h"
#include "shared/on_error.h"

namespace mainwindow {

DroppedFile CopyDroppedFile(const QString& path, const QString& categoryFolder,
                            QString (*question)(const QString& fileName), shared::ResumeNext& next)
{
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseSensitive))
        return DroppedFile::NotText;
    const QString fileName = Module1::GetLastPathPart(path);
    const QString target = categoryFolder + "\\" + fileName;
    const bool replacing = next.holds([&] { return platform::NormalFileExists(target); });
    if (replacing && !next.value([&] { return Module1::AskYesNo(question(fileName)); }, false))
        return DroppedFile::Declined;
    // A file dragged out of this very folder is there already.
    if (target == path)
        return DroppedFile::InPlace;
    // The dropped file stays where it is, so a new copy need not be forced to the disk; one
    // that replaces a document is (the old one goes only once the new one is safe).
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
