#pragma once
// The find records of every entry of one folder at once: a list of thousands of files looks its
// folder up once instead of once per file.
#include "platform/files/find_data.h"

#include <QHash>
#include <QString>

namespace platform {

// By name, each as FindFirstFile would give it for that entry. A missing folder gives none, and
// an entry that cannot be looked up (a link to nothing) has no record.
QHash<QString, WIN32_FIND_DATA> FindDataOfFolder(const QString& windowsFolder);

} // namespace platform
