#include "platform/shell/shell_execute.h"

#include "platform/files/windows_path.h"
#include "platform/shell/launcher.h"
#include "platform/shell/web_address.h"

#include <QFileInfo>

namespace platform {
namespace {
constexpr LONG kOpened = 42;   // any value above 32 says the target was handed over

// The native path of an existing file or folder named by an absolute Windows-form path.
QString existingLocalPath(const QString& file)
{
    if (!file.startsWith(QLatin1Char('\\')))
        return {};
    const QString native = withoutTrailingSlash(resolvePath(file));
    return QFileInfo::exists(native) ? native : QString();
}
} // namespace

LONG ShellExecuteA(HWND, const QString& verb, const QString& file, const QString&, const QString&, int)
{
    if (!verb.isEmpty() && verb.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return SE_ERR_NOASSOC;

    const QString target = isWebAddress(file) ? file : existingLocalPath(file);
    if (target.isEmpty())
        return SE_ERR_FNF;
    return shell::launch({shell::Launch::Kind::Open, target, {}}) ? kOpened : SE_ERR_ACCESSDENIED;
}

} // namespace platform
