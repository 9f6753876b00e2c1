#pragma once
// Faults from outside the program, for the tests that show nothing is lost under them: another
// program holding the database's write lock, folders mounted as a small full disk or as a
// read-only view, and files or folders made immutable or append-only. Mounting and those flags
// need root; where they are not permitted the test says why and skips.
#include <QString>

struct sqlite3;

namespace testsupport {

// A second connection to the database file that holds its write lock from construction until
// release() or destruction, as another program in the middle of a transaction does.
class DatabaseLock {
public:
    explicit DatabaseLock(const QString& nativeDatabase);
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    void release();

    // Whether another connection could write at once, without waiting for any lock.
    static bool writableAtOnce(const QString& nativeDatabase);

private:
    sqlite3* db_ = nullptr;
};

// A file system mounted on an existing folder for the life of the object. ok() is false (with
// the reason in whyNot()) when the system does not permit it.
class Mount {
public:
    // A tmpfs of the given size: a disk that fills up after a few kilobytes.
    static Mount smallDisk(const QString& nativeFolder, int kilobytes);
    // The folder itself, seen read-only: nothing in it can be created, changed or removed.
    static Mount readOnly(const QString& nativeFolder);
    // A journaling disk (ext4 on a loop device, its image in a temporary folder of its own), on
    // which powerCut() can be called: empty when mounted.
    static Mount journaledDisk(const QString& nativeFolder, int megabytes);

    ~Mount();
    Mount(Mount&& other) noexcept;
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;
    Mount& operator=(Mount&&) = delete;

    bool ok() const { return mounted_; }
    const QString& whyNot() const { return why_; }

    // Fills the mounted disk with one file until no byte more fits, or until only about
    // leaveFree bytes are free (the file is made anew each time, so the free space can grow).
    void fill(qint64 leaveFree = 0) const;

    // What a power loss leaves of a journaled disk: the disk stops at once, without writing
    // what it has not yet committed, and is mounted again as the next boot finds it. False,
    // with the reason in whyNot(), when that cannot be done.
    bool powerCut();

private:
    Mount() = default;
    bool mountImage();
    QString folder_;
    QString image_;
    bool mounted_ = false;
    int layers_ = 0;
    QString why_;
};

// A file or folder made immutable or append-only for the life of the object, as chattr +i and
// +a do (through the file system's flags), and given its flags back afterwards. ok() is false
// (with the reason in whyNot()) where the process or the file system does not permit it.
class FileFlag {
public:
    static FileFlag immutable(const QString& nativePath);
    static FileFlag appendOnly(const QString& nativePath);

    ~FileFlag();
    FileFlag(FileFlag&& other) noexcept;
    FileFlag(const FileFlag&) = delete;
    FileFlag& operator=(const FileFlag&) = delete;
    FileFlag& operator=(FileFlag&&) = delete;

    bool ok() const { return added_ != 0; }
    const QString& whyNot() const { return why_; }

private:
    FileFlag(const QString& nativePath, int flag);
    QString path_;
    int added_ = 0;
    QString why_;
};

} // namespace testsupport
