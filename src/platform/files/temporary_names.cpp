#include "platform/files/temporary_names.h"

#include "platform/files/folder_entries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <set>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
const QRegularExpression& pattern()
{
    static const QRegularExpression re(QStringLiteral("^\\.qm-([0-9]{1,10})-[A-Za-z0-9]{6}$"));
    return re;
}

// A process that may still be running: signal 0 reaches it, or it belongs to another user.
bool running(qint64 pid)
{
    if (pid <= 0 || pid > 0x7fffffff)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool firstVisit(const QString& nativeFolder)
{
    static QMutex lock;
    static std::set<QString> visited;
    const QMutexLocker guard(&lock);
    return visited.insert(QFileInfo(nativeFolder).absoluteFilePath()).second;
}
} // namespace

QString temporaryName(const QString& nativeFolder)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (;;) {
        QString name = QStringLiteral(".qm-") + QString::number(::getpid()) + QLatin1Char('-');
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
        struct stat st {};
        if (::lstat(QFile::encodeName(QDir(nativeFolder).filePath(name)).constData(), &st) != 0)
            return name;
    }
}

bool isTemporaryName(const QString& name)
{
    return pattern().match(name).hasMatch();
}

void clearLeftovers(const QString& nativeFolder)
{
    if (!firstVisit(nativeFolder))
        return;
    for (const FolderEntry& entry : ReadFolder(nativeFolder)) {
        const QRegularExpressionMatch match = pattern().match(entry.name);
        if (!match.hasMatch() || entry.folder || running(match.captured(1).toLongLong()))
            continue;
        ::unlink(QFile::encodeName(QDir(nativeFolder).filePath(entry.name)).constData());
    }
}

} // namespace platform
