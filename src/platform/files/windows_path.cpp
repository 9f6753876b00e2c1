#include "platform/files/windows_path.h"

#include "platform/files/file_errors.h"
#include "platform/files/folder_entries.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace platform {
namespace {
QString joined(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

bool existsExactly(const QString& nativePath)
{
    QFileInfo info(nativePath);
    return info.exists() || info.isSymLink();
}

bool isDotComponent(const QString& part)
{
    return part == QLatin1String(".") || part == QLatin1String("..");
}

// Resolves every component but the last keepLast ones; a component that matches nothing ends
// the resolution, since nothing below it can exist.
QString resolveComponents(const QString& windowsPath, int keepLast)
{
    // A "." or ".." component would let a name climb out of the folder it was joined to (a name
    // made outside the program may hold "\", which becomes a separator here).
    if (!isPlainPath(windowsPath))
        throwFileError(FileError::InvalidName, windowsPath, QStringLiteral("a path may not hold . or .."));
    const QString native = toNativePath(windowsPath);
    QStringList parts = native.split(QLatin1Char('/'));
    if (native.isEmpty() || existsExactly(native))
        return native;
    const int resolvable = int(parts.size()) - keepLast;
    for (int i = 0; i < resolvable; ++i) {
        const QString& part = parts[i];
        if (part.isEmpty())
            continue;
        QString folder = parts.mid(0, i).join(QLatin1Char('/'));
        if (i == 0)
            folder = QStringLiteral(".");
        else if (folder.isEmpty())
            folder = QStringLiteral("/");
        const QString name = findSpelling(folder, part);
        if (name.isEmpty())
            break;
        parts[i] = name;
    }
    return parts.join(QLatin1Char('/'));
}
} // namespace

QString toNativePath(const QString& windowsPath)
{
    QString p = windowsPath;
    return p.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString toWindowsPath(const QString& nativePath)
{
    QString p = nativePath;
    return p.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

bool isPlainPath(const QString& windowsPath)
{
    const QStringList parts = toNativePath(windowsPath).split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(), isDotComponent);
}

bool isDotName(const QString& name)
{
    return name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..");
}

QString withoutTrailingSlash(const QString& nativePath)
{
    QString p = nativePath;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

QString findSpelling(const QString& nativeFolder, const QString& name)
{
    if (existsExactly(joined(nativeFolder, name)))
        return name;
    // One read of the folder, unsorted: of the other spellings the first in name order wins.
    QString first;
    for (const FolderEntry& entry : ReadFolder(nativeFolder)) {
        if (sameName(entry.name, name) && (first.isEmpty() || entry.name < first))
            first = entry.name;
    }
    return first;
}

namespace {
constexpr char16_t foldedLetter(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}
} // namespace

bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (foldedLetter(a[i].unicode()) != foldedLetter(b[i].unicode()))
            return false;
    return true;
}

QString nameKey(const QString& name)
{
    const auto capital = [](QChar c) { return c.unicode() != foldedLetter(c.unicode()); };
    if (std::none_of(name.cbegin(), name.cend(), capital))
        return name;   // its own key, sharing its text
    QString key = name;
    for (QChar& c : key)
        c = QChar(foldedLetter(c.unicode()));
    return key;
}

QString resolvePath(const QString& windowsPath)
{
    return resolveComponents(windowsPath, 0);
}

QString resolveParent(const QString& windowsPath)
{
    return resolveComponents(windowsPath, 1);
}

QString lastComponent(const QString& nativePath)
{
    return nativePath.mid(nativePath.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace platform
