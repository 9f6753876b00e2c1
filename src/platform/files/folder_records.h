#pragma once
// The find records of every entry of one folder at once: a list of thousands of files looks its
// folder up once instead of once per file.
#include "platform/files/find_data.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace platform {

// By name, each as FindFirstFile would give it for that entry. A missing folder gives none, and
// an entry that cannot be looked up (a link to nothing) has no record. Without names, each
// record's cFileName stays all NULs: its key names it, and a list of thousands of files then
// holds no name padded to 260 characters for each.
enum class RecordNames { Filled, Left };
QHash<QString, WIN32_FIND_DATA> FindDataOfFolder(const QString& windowsFolder,
                                                 RecordNames names = RecordNames::Filled);

// The records of the entries of one folder named by a listing of it, in the order of the names,
// each name taken literally: none for a name that is not there or cannot be looked up.
std::vector<std::optional<WIN32_FIND_DATA>> FindDataOfEntries(const QString& windowsFolder, const QStringList& entries,
                                                              RecordNames names = RecordNames::Filled);

} // namespace platform
