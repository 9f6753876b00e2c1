#pragma once
// File attributes with the values the routines test: hidden means the name starts with ".",
// read-only means the owner may not write, nothing is ever a system file, and every plain file
// carries the archive bit.
#include <QString>

class QFileInfo;

namespace platform {

inline constexpr int vbNormal = 0;
inline constexpr int vbReadOnly = 1;
inline constexpr int vbHidden = 2;
inline constexpr int vbSystem = 4;
inline constexpr int vbDirectory = 16;
inline constexpr int vbArchive = 32;

// The attributes of an existing native entry.
int attributesOf(const QFileInfo& info);

// Only its hidden, system and directory bits: what a listing filters on. They need no look at
// the entry's permissions, so a listing reads no more than the folder itself.
int kindAttributesOf(const QFileInfo& info);

// The attributes of the entry at a Windows-form path (letter case resolved); fails with
// "File not found" when there is none.
int GetAttr(const QString& windowsPath);

} // namespace platform
