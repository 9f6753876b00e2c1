#include "platform/controls/file_list_box.h"

#include "platform/error.h"
#include "platform/files/listing.h"

namespace platform {
namespace {
QString withoutClosingBackslash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    return folder;
}
} // namespace

FileListBox::FileListBox(QObject* parent) : QObject(parent) {}

void FileListBox::applyLayout(const QJsonObject& o)
{
    setObjectName(o.value("name").toString());
    pattern_ = o.value("pattern").toString(QStringLiteral("*.*"));
}

void FileListBox::setPath(const QString& windowsFolder)
{
    const QString folder = withoutClosingBackslash(windowsFolder);
    if (folder == path_)
        return;
    files_ = ListFiles(folder, pattern_);   // fails before anything changes
    path_ = folder;
}

void FileListBox::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    if (!path_.isEmpty())
        Refresh();
}

QString FileListBox::List(int index) const
{
    if (index < 0 || index >= files_.size())
        throw Error("Invalid property array index");
    return files_[index];
}

void FileListBox::Refresh()
{
    files_ = path_.isEmpty() ? QStringList() : ListFiles(path_, pattern_);
}

} // namespace platform
