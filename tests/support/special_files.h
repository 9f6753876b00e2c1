#pragma once
// Entries that no file manager makes but a person or another program can: fifos, device nodes,
// names that are not valid UTF-8, sparse files of gigabytes. Device nodes need root.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace testsupport {

inline const char* const kNeedsRoot = "making a device node needs root (and the right to make devices)";

inline bool makeFifo(const QString& native)
{
    return ::mkfifo(QFile::encodeName(native).constData(), 0644) == 0;
}

// The character device that reads as zeros without end, as /dev/zero does.
inline bool makeEndlessDevice(const QString& native)
{
    return ::geteuid() == 0 && ::mknod(QFile::encodeName(native).constData(), S_IFCHR | 0644, makedev(1, 5)) == 0;
}

inline bool makeSparseFile(const QString& native, qint64 size)
{
    QFile f(native);
    return f.open(QIODevice::WriteOnly) && f.resize(size);
}

// The entry's own status (a link not followed); all zeros for none.
inline struct stat statusOf(const QString& native)
{
    struct stat st {};
    ::lstat(QFile::encodeName(native).constData(), &st);
    return st;
}

// A file named by raw bytes (not valid UTF-8, say), removed with the object: no QString can
// name it, so the temporary folder's own clean-up could not.
class RawNamedFile {
public:
    RawNamedFile(const QString& nativeFolder, const QByteArray& name, const QByteArray& content)
        : path_(QFile::encodeName(nativeFolder) + '/' + name)
    {
        const int fd = ::open(path_.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        made_ = fd >= 0 && ::write(fd, content.constData(), std::size_t(content.size())) == content.size();
        if (fd >= 0)
            ::close(fd);
    }
    ~RawNamedFile() { ::unlink(path_.constData()); }
    RawNamedFile(const RawNamedFile&) = delete;
    RawNamedFile& operator=(const RawNamedFile&) = delete;

    bool made() const { return made_; }
    QByteArray content() const
    {
        QFile f;
        const int fd = ::open(path_.constData(), O_RDONLY);
        return fd >= 0 && f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? f.readAll() : QByteArray();
    }

private:
    QByteArray path_;
    bool made_ = false;
};

// While it lives, whoever waits in opening the fifo for reading is let go after a while (a
// writer comes and goes): a test of something that must never wait on a fifo then fails by its
// clock instead of hanging.
class FifoRelease {
public:
    explicit FifoRelease(const QString& native)
        : path_(QFile::encodeName(native)), worker_([this] {
              const auto from = std::chrono::steady_clock::now();
              for (; !done_; std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
                  if (std::chrono::steady_clock::now() - from < std::chrono::seconds(3))
                      continue;
                  const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0)
                      ::close(fd);
              }
          })
    {
    }
    ~FifoRelease()
    {
        done_ = true;
        worker_.join();
    }
    FifoRelease(const FifoRelease&) = delete;
    FifoRelease& operator=(const FifoRelease&) = delete;

private:
    QByteArray path_;
    std::atomic<bool> done_{false};
    std::thread worker_;
};

} // namespace testsupport
