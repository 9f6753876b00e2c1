#pragma once
// Faults from outside the program, for the tests that show nothing is lost under them: another
// program holding the database's write lock, and folders mounted as a small full disk or as a
// read-only view. Mounting needs root; where it is not permitted the test says why and skips.
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

private:
    Mount() = default;
    QString folder_;
    bool mounted_ = false;
    int layers_ = 0;
    QString why_;
};

// A file or folder made immutable, as `chattr +i` makes it, for the life of the object: nothing
// can write, rename or remove it (nor, for a folder, add or remove anything in it). Needs root
// and a file system that keeps the flag; ok() is false otherwise, with the reason in whyNot().
class Immutable {
public:
    explicit Immutable(const QString& nativePath);
    ~Immutable();
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;

    bool ok() const { return set_; }
    const QString& whyNot() const { return why_; }

private:
    QString path_;
    bool set_ = false;
    QString why_;
};

} // namespace testsupport
