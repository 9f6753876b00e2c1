#include "platform/files/listing.h"

#include "platform/files/attributes.h"
#include "platform/files/file_errors.h"
#include "platform/files/folder_entries.h"
#include "platform/files/wildcard.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace platform {
namespace {
constexpr int kFilteredBits = vbHidden | vbSystem | vbDirectory;

// A name holding "\" cannot exist where the program's paths come from: joined into a path it
// would become more than one component. Such entries stay on disk, unlisted and untouched.
bool listable(const QString& name)
{
    return !name.contains(QLatin1Char('\\'));
}

// Only folders and regular files (or links to them) are ever listed: a fifo, a device, a socket
// or a link that leads nowhere is no document or category, is never read and never replaced.
bool admitted(const QFileInfo& info, int mask)
{
    if (!info.isFile() && !info.isDir())
        return false;
    return (kindAttributesOf(info) & kFilteredBits & ~mask) == 0;
}

// The same test from the folder's listing: hidden by the leading dot, never system.
bool admitted(const FolderEntry& entry, int mask)
{
    if (!entry.folder && !entry.file)
        return false;
    int attributes = entry.folder ? vbDirectory : vbNormal;
    if (entry.name.startsWith(QLatin1Char('.')))
        attributes |= vbHidden;
    return (attributes & kFilteredBits & ~mask) == 0;
}

// Folder and pattern of a listing argument; an empty pattern lists everything.
struct Listing {
    QString folder;   // native, letter case resolved
    QString pattern;
};

Listing split(const QString& windowsPathAndPattern)
{
    const QString native = resolveParent(windowsPathAndPattern);
    const qsizetype slash = native.lastIndexOf(QLatin1Char('/'));
    Listing l;
    l.folder = slash < 0 ? QStringLiteral(".") : (slash == 0 ? QStringLiteral("/") : native.left(slash));
    l.pattern = native.mid(slash + 1);
    if (l.pattern.isEmpty())
        l.pattern = QStringLiteral("*");
    return l;
}

QStringList listFolder(const Listing& l, int mask)
{
    // One read of the folder, filtered first and sorted by names folded once rather than at
    // every comparison (the same order: folded units compared one by one): a folder of
    // thousands of documents is read on every list load. Names equal but for letter case keep
    // a fixed order among themselves.
    struct Listed {
        QString folded;
        QString name;
    };
    std::vector<Listed> listed;
    const QString pattern = l.pattern.toCaseFolded();
    for (FolderEntry& entry : ReadFolder(l.folder)) {
        if (!listable(entry.name) || !admitted(entry, mask))
            continue;
        QString folded = entry.name.toCaseFolded();
        if (matchesFoldedPattern(folded, pattern))
            listed.push_back({std::move(folded), std::move(entry.name)});
    }
    std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
        const int folded = a.folded.compare(b.folded);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
    QStringList names;
    names.reserve(qsizetype(listed.size()));
    for (Listed& entry : listed)
        names.append(std::move(entry.name));
    return names;
}

// A literal name is the entry of that spelling when there is one, else its first other spelling.
QStringList lookUp(const Listing& l, int mask)
{
    const QString name = findSpelling(l.folder, l.pattern);
    if (name.isEmpty())
        return {};
    const QFileInfo info(QDir(l.folder).filePath(name));
    return admitted(info, mask) ? QStringList{name} : QStringList{};
}
} // namespace

QStringList DirList(const QString& windowsPathAndPattern, int mask)
{
    const Listing l = split(windowsPathAndPattern);
    if (!QFileInfo(l.folder).isDir())
        return {};
    return hasWildcards(l.pattern) ? listFolder(l, mask) : lookUp(l, mask);
}

QString Dir(const QString& windowsPathAndPattern, int mask)
{
    const QStringList names = DirList(windowsPathAndPattern, mask);
    return names.isEmpty() ? QString() : names.first();
}

QStringList ListFiles(const QString& windowsFolder, const QString& pattern)
{
    if (!QFileInfo(resolvePath(windowsFolder)).isDir())
        throwFileError(FileError::PathNotFound, windowsFolder);
    QString folder = windowsFolder;
    if (!folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('\\');
    return DirList(folder + pattern, vbNormal | vbReadOnly);
}

bool NormalFileExists(const QString& windowsPath)
{
    const QFileInfo info(resolvePath(windowsPath));
    return info.isFile() && (kindAttributesOf(info) & (vbHidden | vbSystem)) == 0;
}

} // namespace platform
