#pragma once
// What one file held before a routine changed or removed it, so that a routine which cannot
// finish can put the file back as it was: the same bytes and last write time, or no file at all
// where there was none.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace platform {

class FileSnapshot {
public:
    // Reads the file at the path (letter case resolved) when there is one; fails when it exists
    // but cannot be read, or when the path is refused.
    static FileSnapshot of(const QString& windowsPath);

    bool existed() const { return !existing_.isEmpty(); }

    // Puts the old content back under its old spelling, or removes the file that was not there;
    // a file written since under another spelling of the name goes.
    void restore() const;

private:
    QString windowsPath_;
    QString given_;      // native, the name as given
    QString existing_;   // native, the spelling found on disk; empty when there was no file
    QByteArray bytes_;
    QDateTime written_;
};

} // namespace platform
