#include "shared/module2.h"

#include "shared/module1_paths.h"

namespace Module2 {
namespace {
platform::WIN32_FIND_DATA notFound()
{
    platform::WIN32_FIND_DATA data;
    data.cFileName = QStringLiteral("Error").leftJustified(platform::kMaxPath, QLatin1Char(' '));
    return data;
}
} // namespace

platform::WIN32_FIND_DATA GetFileData(const QString& path)
{
    platform::WIN32_FIND_DATA data;
    const platform::HANDLE search = platform::FindFirstFile(path, data);
    if (search == platform::INVALID_HANDLE_VALUE)
        return notFound();
    platform::FindClose(search);
    // The callers pass the path of one file: an entry found through a "*" or "?" in that name
    // is another file, and counts as none.
    const QString found = data.cFileName.left(data.cFileName.indexOf(QChar(0)));
    if (found.compare(Module1::GetLastPathPart(path), Qt::CaseInsensitive) != 0)
        return notFound();
    return data;
}

} // namespace Module2
