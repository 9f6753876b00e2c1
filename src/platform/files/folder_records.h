#pragma once
// The find records of many entries of one folder at once: a list of thousands of files looks
// them up together, on a few threads, instead of one search per file.
#include "platform/files/find_data.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace platform {

// The records of the entries of one folder named by a listing of it, in the order of the names,
// each as FindFirstFile would give it for that entry, the name taken literally. None for a name
// that is not there, cannot be looked up (a link to nothing) or would lead out of the folder,
// and none at all in a missing folder. Without names, each record's cFileName stays all NULs:
// the caller's list names it, and a list of thousands of files then holds no name padded to
// 260 characters for each.
enum class RecordNames { Filled, Left };
std::vector<std::optional<WIN32_FIND_DATA>> FindDataOfEntries(const QString& windowsFolder, const QStringList& entries,
                                                              RecordNames names = RecordNames::Filled);

} // namespace platform
