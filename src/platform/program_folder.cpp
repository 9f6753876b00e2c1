#include "platform/program_folder.h"

#include <QCoreApplication>

namespace platform {
namespace {
QString& overridden()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    QString native = overridden().isEmpty() ? QCoreApplication::applicationDirPath() : overridden();
    return native.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

void setProgramFolder(const QString& nativePath)
{
    overridden() = nativePath;
}

} // namespace platform
