#pragma once
// A folder with everything in it, as this process can really remove it. Every name is taken by
// the bytes the disk holds, so names that are no valid text are looked at and removed like any
// other; a link is an entry of its own and is never followed; nothing below a mount point is
// entered.
#include <QString>

namespace platform {

// Why the entry at the native path (a folder with its whole content, a file or a link) could not
// be removed whole by this process; empty when it can. Asks what the system itself would refuse:
// an immutable or append-only entry or folder, a folder this process may not write or search
// (its permissions as the process holds them, a read-only file system), the sticky bit of a
// folder holding another user's entries, a mount point. With readOnlyRefuses, an entry that its
// owner may not write (the read-only attribute) refuses the removal too.
QString WhyNotRemovable(const QString& nativePath, bool readOnlyRefuses);

// Removes the entry with everything in it, children first; true when nothing of it is left.
// With makeWritable, folders that their owner may not write are made writable on the way.
bool RemoveTree(const QString& nativePath, bool makeWritable);

// True when the entry, or anything in a folder it is, is read-only; a link is never looked into.
bool HoldsReadOnly(const QString& nativePath);

} // namespace platform
