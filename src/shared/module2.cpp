#include "shared/module2.h"

namespace Module2 {

platform::WIN32_FIND_DATA GetFileData(const QString& path)
{
    platform::WIN32_FIND_DATA data;
    const platform::HANDLE search = platform::FindFirstFile(path, data);
    if (search == platform::INVALID_HANDLE_VALUE) {
        data = platform::WIN32_FIND_DATA{};
        data.cFileName = QStringLiteral("Error").leftJustified(platform::kMaxPath, QLatin1Char(' '));
        return data;
    }
    platform::FindClose(search);
    return data;
}

} // namespace Module2
