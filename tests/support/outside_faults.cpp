#include "support/outside_faults.h"

#include <sqlite3.h>
#include <sys/mount.h>

#include <QFile>

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

void Mount::fill() const
{
    QFile filler(folder_ + "/filler.bin");
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw std::runtime_error("cannot fill the small disk");
    const QByteArray block(1024, 'f');
    while (filler.write(block) == block.size()) {
    }
    // The last bytes, one at a time, so that not even one more fits.
    while (filler.write("f", 1) == 1) {
    }
}

} // namespace testsupport
