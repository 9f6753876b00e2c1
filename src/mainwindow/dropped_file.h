#pragma once
// One file of a file drop: a ".txt" file (the extension in lower case) is copied into a
// category folder, after a question where a file of that name is there already.
#include <QString>

namespace platform {
class DataObject;
}
namespace shared {
class ResumeNext;
}

namespace mainwindow {

enum class DroppedFile {
    NotText,    // not a ".txt" file: left alone and not counted
    Declined,   // a file of that name is there and the answer was no
    InPlace,    // copied, or dragged out of that very folder and there already
    Failed,     // the copy failed, or the file cannot be read by its own name; whatever was
                // there stays whole
};

// A dropped file is read only by its own name: not one whose path holds "\" (the program's
// paths would read it as separators and reach another file), nor one whose name begins with
// "." (no list shows it, so it could never be seen once copied).
bool ReadableDroppedFile(const platform::DataObject& data, int index);

// The dropped file at index (from 1); question builds the question from the file's name. Each
// step passes over its failure.
DroppedFile CopyDroppedFile(const platform::DataObject& data, int index, const QString& categoryFolder,
                            QString (*question)(const QString& fileName), shared::ResumeNext& next);

} // namespace mainwindow
