#include "platform/files/safe_write.h"

#include "platform/files/descriptor.h"
#include "platform/files/file_calls.h"
#include "platform/files/file_errors.h"
#include "platform/files/temporary_names.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
constexpr long kNameLimit = 255;

long nameLimit(const QString& nativeFolder)
{
    const long limit = ::pathconf(encoded(nativeFolder).constData(), _PC_NAME_MAX);
    return limit > 0 ? limit : kNameLimit;
}

// Only a regular file (or a link to one) that its owner may write is replaced; returns what it is.
struct stat replaceable(const QString& native, const QString& windowsPath)
{
    struct stat st {};
    if (!targetStatus(native, st))
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("a link of that name leads nowhere"));
    if (S_ISDIR(st.st_mode))
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("a folder of that name exists"));
    if (!S_ISREG(st.st_mode))
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("not a regular file"));
    if ((st.st_mode & S_IWUSR) == 0)
        throwFileError(FileError::PermissionDenied, windowsPath, QStringLiteral("the file is read-only"));
    return st;
}
} // namespace

PendingFile::PendingFile(const QString& windowsPath, Placing placing, bool forced)
    : windowsPath_(windowsPath), placing_(placing), forced_(forced)
{
    target_ = resolveParent(windowsPath);
    const QString name = lastComponent(target_);
    if (isDotName(name))
        throwFileError(FileError::InvalidName, windowsPath);
    QString folder = QFileInfo(target_).path();
    if (!QFileInfo(folder).isDir())
        throwFileError(FileError::PathNotFound, windowsPath);
    if (encoded(name).size() > nameLimit(folder))
        throwFileError(FileError::InvalidName, windowsPath, QStringLiteral("the name is too long"));

    // Leftovers are swept from the folder of the name as given, never from one a link leads to:
    // that folder may lie outside the library, and what is in it is not the program's.
    clearLeftovers(folder);
    std::optional<struct stat> old;
    if (placing != Placing::New) {
        const QString spelling = findSpelling(folder, name);
        if (!spelling.isEmpty())
            replaced_ = QDir(folder).filePath(spelling);
    }
    if (!replaced_.isEmpty()) {
        old = replaceable(replaced_, windowsPath);
        // An update goes where the document's file lies: through a link, beside the file it
        // leads to, which the rename replaces while the link stays.
        struct stat entry {};
        if (placing == Placing::InPlace) {
            if (entryStatus(replaced_, entry) && S_ISLNK(entry.st_mode))
                replaced_ = QFileInfo(replaced_).canonicalFilePath();
            target_ = replaced_;
            folder = QFileInfo(target_).path();
        }
    }

    tookFreeName_ = replaced_ != target_;
    temporary_ = QDir(folder).filePath(temporaryName(folder));
    fd_ = Descriptor(::open(encoded(temporary_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd_.ok())
        throwSystemError(windowsPath, QStringLiteral("cannot write beside it"));
    // The new file keeps the owner and the permissions of the one it replaces, where it may.
    if (old) {
        [[maybe_unused]] const int owned = ::fchown(fd_.get(), old->st_uid, old->st_gid);
        ::fchmod(fd_.get(), old->st_mode & 07777);
    }
}

PendingFile::~PendingFile()
{
    fd_.close();
    if (!placed_ && !temporary_.isEmpty())
        ::unlink(encoded(temporary_).constData());
}

void PendingFile::write(const QByteArray& bytes)
{
    if (!fd_.ok())
        throwFileError(FileError::AccessError, windowsPath_, QStringLiteral("the content is closed"));
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_.get(), data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throwSystemError(windowsPath_, QStringLiteral("writing"));
        data += n;
        left -= n;
    }
}

void PendingFile::setLastWriteTime(const QDateTime& time)
{
    lastWrite_ = time;
}

void PendingFile::closeContent()
{
    if (!fd_.ok())
        return;
    if (forced_ && ::fsync(fd_.get()) != 0)
        throwSystemError(windowsPath_, QStringLiteral("forcing to the disk"));
    if (lastWrite_.isValid()) {
        const qint64 ms = lastWrite_.toMSecsSinceEpoch();
        const timespec times[2] = {{0, UTIME_OMIT}, {time_t(ms / 1000), long(ms % 1000) * 1000000}};
        ::futimens(fd_.get(), times);
    }
    if (!fd_.close())
        throwSystemError(windowsPath_, QStringLiteral("closing"));
}

void PendingFile::putInPlace()
{
    if (placed_)
        return;
    closeContent();
    // A name that was free is never taken from a file put there since.
    const bool renamed = tookFreeName_
        ? renameOntoFreeName(temporary_, target_)
        : ::rename(encoded(temporary_).constData(), encoded(target_).constData()) == 0;
    if (!renamed)
        throwSystemError(windowsPath_, QStringLiteral("cannot take the file's place"));
    placed_ = true;
    // The new spelling of the name is the one that stays.
    if (placing_ == Placing::Replace && !replaced_.isEmpty() && replaced_ != target_)
        ::unlink(encoded(replaced_).constData());
    // A content forced to the disk is there for good only once its name is.
    if (forced_ && !syncFolderOf(target_))
        throwSystemError(windowsPath_, QStringLiteral("cannot force the folder to the disk"));
}

void PendingFile::withdraw()
{
    if (!placed_ || !tookFreeName_)
        return;
    if (::unlink(encoded(target_).constData()) != 0 && errno != ENOENT)
        throwSystemError(windowsPath_, QStringLiteral("cannot take the new file away"));
    placed_ = false;
    temporary_.clear();
    if (forced_ && !syncFolderOf(target_))
        throwSystemError(windowsPath_, QStringLiteral("cannot force the folder to the disk"));
}

} // namespace platform
