#pragma once
// Paths inside the program are Windows-form text ("\tmp\x\prog\txt\A\b.txt"); this is the one
// place where such a text becomes a native path and back.
//
// Names are looked up as the file system the program was designed for does: a component that
// does not exist as spelled matches an entry of its folder that differs only in letter case.
// An exact spelling always wins; among several other spellings the first in name order does.
// Letter case means that of A to Z alone, as the database compares names, so that two names
// share a row exactly when they share a file: "É.txt" and "é.txt" are two names.
#include <QString>
#include <QStringView>

namespace platform {

QString toNativePath(const QString& windowsPath);   // every "\" becomes "/"
QString toWindowsPath(const QString& nativePath);   // every "/" becomes "\"

// The native path of an existing entry, each component matched without regard to letter case
// where its exact spelling is missing. Components that match nothing stay as given, so the
// result then names nothing. A path with a "." or ".." component fails ("Bad file name"), so
// that no name ever leads out of the folder it was joined to.
QString resolvePath(const QString& windowsPath);

// For creating, renaming and copying: the existing folders on the way are resolved as above,
// the last component stays exactly as given.
QString resolveParent(const QString& windowsPath);

// The last component of a native path ("" when it ends with "/").
QString lastComponent(const QString& nativePath);

// True when no component of the path is "." or "..": the paths the layer accepts.
bool isPlainPath(const QString& windowsPath);

// True for the names that never name an entry of their own: "", "." and "..".
bool isDotName(const QString& name);

// A native path without the separators it ends with (the root "/" stays).
QString withoutTrailingSlash(const QString& nativePath);

// An entry of nativeFolder whose name equals name without regard to letter case, the exact
// spelling first; empty when there is none.
QString findSpelling(const QString& nativeFolder, const QString& name);

// True for two spellings of one name: equal but for the letter case of A to Z.
bool sameName(QStringView a, QStringView b);

// The spelling that every spelling of a name shares (A to Z in lower case).
QString nameKey(const QString& name);

} // namespace platform
