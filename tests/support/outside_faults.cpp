#include "support/outside_faults.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace testsupport {

DatabaseLock::DatabaseLock(const QString& nativeDatabase)
{
    if (sqlite3_open_v2(nativeDatabase.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK
        || sqlite3_exec(db_, "begin immediate", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : "cannot open";
        sqlite3_close(db_);
        throw std::runtime_error("cannot lock the database: " + why);
    }
}

DatabaseLock::~DatabaseLock()
{
    release();
}

void DatabaseLock::release()
{
    if (!db_)
        return;
    sqlite3_exec(db_, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
}

bool DatabaseLock::writableAtOnce(const QString& nativeDatabase)
{
    sqlite3* db = nullptr;
    bool writable = sqlite3_open_v2(nativeDatabase.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr)
        == SQLITE_OK;
    writable = writable && sqlite3_exec(db, "begin immediate", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (writable)
        sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return writable;
}

Mount Mount::smallDisk(const QString& nativeFolder, int kilobytes)
{
    Mount m;
    m.folder_ = nativeFolder;
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", nativeFolder.toUtf8().constData(), "tmpfs", 0, options.constData()) != 0) {
        m.why_ = QStringLiteral("cannot mount a small tmpfs here: ") + QString::fromLocal8Bit(std::strerror(errno));
        return m;
    }
    m.mounted_ = true;
    m.layers_ = 1;
    return m;
}

Mount Mount::readOnly(const QString& nativeFolder)
{
    Mount m;
    m.folder_ = nativeFolder;
    const QByteArray path = nativeFolder.toUtf8();
    if (::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0) {
        m.why_ = QStringLiteral("cannot bind-mount a folder here: ") + QString::fromLocal8Bit(std::strerror(errno));
        return m;
    }
    m.layers_ = 1;
    if (::mount(nullptr, path.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        m.why_ = QStringLiteral("cannot make a bind mount read-only here: ")
            + QString::fromLocal8Bit(std::strerror(errno));
        return m;
    }
    m.mounted_ = true;
    return m;
}

Mount::Mount(Mount&& other) noexcept
    : folder_(std::move(other.folder_)), mounted_(other.mounted_), layers_(other.layers_), why_(std::move(other.why_))
{
    other.layers_ = 0;
    other.mounted_ = false;
}

Mount::~Mount()
{
    for (; layers_ > 0; --layers_)
        ::umount2(folder_.toUtf8().constData(), MNT_DETACH);
}

void Mount::fill(qint64 leaveFree) const
{
    QFile filler(folder_ + "/filler.bin");
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw std::runtime_error("cannot fill the small disk");
    const QByteArray block(1024, 'f');
    if (leaveFree > 0) {
        struct statvfs disk {};
        if (::statvfs(folder_.toUtf8().constData(), &disk) != 0)
            throw std::runtime_error("cannot measure the small disk");
        for (qint64 left = qint64(disk.f_bavail) * qint64(disk.f_frsize) - leaveFree; left > 0; left -= block.size()) {
            if (filler.write(block.constData(), std::min<qint64>(left, block.size())) <= 0)
                break;
        }
        return;
    }
    while (filler.write(block) == block.size()) {
    }
    // The last bytes, one at a time, so that not even one more fits.
    while (filler.write("f", 1) == 1) {
    }
}

namespace {
// Adds and takes away flags of one entry; the reason when the system refuses.
QString changeFlags(const QString& nativePath, int add, int remove)
{
    const int fd = ::open(QFile::encodeName(nativePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("cannot open ") + nativePath + ": " + QString::fromLocal8Bit(std::strerror(errno));
    int flags = 0;
    QString why;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0)
        why = QStringLiteral("cannot read the file system's flags here: ");
    else if (flags = (flags | add) & ~remove; ::ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0)
        why = QStringLiteral("cannot set the file system's flags here: ");
    if (!why.isEmpty())
        why += QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return why;
}
} // namespace

FileFlag FileFlag::immutable(const QString& nativePath)
{
    return FileFlag(nativePath, FS_IMMUTABLE_FL);
}

FileFlag FileFlag::appendOnly(const QString& nativePath)
{
    return FileFlag(nativePath, FS_APPEND_FL);
}

FileFlag::FileFlag(const QString& nativePath, int flag) : path_(nativePath)
{
    why_ = changeFlags(nativePath, flag, 0);
    if (why_.isEmpty())
        added_ = flag;
}

FileFlag::FileFlag(FileFlag&& other) noexcept
    : path_(std::move(other.path_)), added_(other.added_), why_(std::move(other.why_))
{
    other.added_ = 0;
}

FileFlag::~FileFlag()
{
    if (added_ != 0)
        changeFlags(path_, 0, added_);
}

} // namespace testsupport
