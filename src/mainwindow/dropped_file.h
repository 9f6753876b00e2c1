#pragma once
// One file of a file drop: a ".txt" file (the extension in lower case) is copied into a
// category folder, after a question where a file of that name is there already.
#include <QString>

namespace shared {
class ResumeNext;
}

namespace mainwindow {

enum class DroppedFile {
    NotText,    // not a ".txt" file: left alone and not counted
    Declined,   // a file of that name is there and the answer was no
    InPlace,    // copied, or dragged out of that very folder and there already
    Failed,     // the copy failed; whatever was there stays whole
};

// question builds the question from the file's name. Each step passes over its failure.
DroppedFile CopyDroppedFile(const QString& path, const QString& categoryFolder,
                            QString (*question)(const QString& fileName), shared::ResumeNext& next);

} // namespace mainwindow
