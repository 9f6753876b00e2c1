#include "support/outside_faults.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <linux/types.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

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

Mount Mount::journaledDisk(const QString& nativeFolder, int megabytes)
{
    Mount m;
    m.folder_ = nativeFolder;
    QTemporaryDir place(QDir::tempPath() + "/qm-disk-XXXXXX");
    m.image_ = place.path() + "/disk.img";
    QFile image(m.image_);
    if (!place.isValid() || !image.open(QIODevice::WriteOnly) || !image.resize(qint64(megabytes) << 20)) {
        m.why_ = QStringLiteral("cannot make a disk image");
        return m;
    }
    image.close();
    place.setAutoRemove(false);   // the image goes with the object, once unmounted
    QProcess mkfs;
    mkfs.start("mkfs.ext4", {"-q", "-F", m.image_});
    if (!mkfs.waitForFinished(30000) || mkfs.exitStatus() != QProcess::NormalExit || mkfs.exitCode() != 0) {
        m.why_ = QStringLiteral("cannot make an ext4 file system (mkfs.ext4): ") + mkfs.errorString();
        return m;
    }
    m.mounted_ = m.mountImage();
    return m;
}

bool Mount::mountImage()
{
    QProcess mount;
    mount.start("mount", {"-o", "loop", image_, folder_});
    if (!mount.waitForFinished(30000) || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0) {
        why_ = QStringLiteral("cannot mount a disk image on a loop device here: ")
            + QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
        return false;
    }
    layers_ = 1;
    return true;
}

bool Mount::powerCut()
{
    // As ext4 has it: shut down without flushing the journal (EXT4_IOC_SHUTDOWN, NOLOGFLUSH).
    constexpr unsigned long kShutdown = _IOR('X', 125, __u32);
    __u32 how = 2;
    const int fd = ::open(folder_.toUtf8().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool cut = fd >= 0 && ::ioctl(fd, kShutdown, &how) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!cut) {
        why_ = QStringLiteral("cannot shut the disk down: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (::umount2(folder_.toUtf8().constData(), 0) != 0) {
        why_ = QStringLiteral("cannot unmount the disk: ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    layers_ = 0;
    mounted_ = mountImage();
    return mounted_;
}

Mount::Mount(Mount&& other) noexcept
    : folder_(std::move(other.folder_)), image_(std::move(other.image_)), mounted_(other.mounted_),
      layers_(other.layers_), why_(std::move(other.why_))
{
    other.layers_ = 0;
    other.mounted_ = false;
    other.image_.clear();
}

Mount::~Mount()
{
    for (; layers_ > 0; --layers_)
        ::umount2(folder_.toUtf8().constData(), MNT_DETACH);
    if (!image_.isEmpty())
        QDir(QFileInfo(image_).path()).removeRecursively();
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
