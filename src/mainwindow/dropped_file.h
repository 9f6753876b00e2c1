#pragma once
// One file of a file drop: a ".txt" file (the extension in lower case) is copied into a
// category folder, after a question where a file of that name is there already.
#include "mainwindow/one_per_name.h"

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
// "." (no list shows it, so it could never be seen once copied), nor a path that finds a file
// only in another letter case. And only a regular file, or a link to one, is a dropped file: a
// fifo or a device would hold the program up or never end.
bool ReadableDroppedFile(const platform::DataObject& data, int index);

// The dropped file at index (from 1) into the category's folder; question builds the question
// from the name of the document there that the copy would replace, and titleHasRow tells
// whether a row of the category holds a title exactly. Each step passes over its failure.
DroppedFile CopyDroppedFile(const platform::DataObject& data, int index, const QString& category,
                            QString (*question)(const QString& fileName), const NameTest& titleHasRow,
                            shared::ResumeNext& next);

} // namespace mainwindow
