#pragma once
// Every file the program writes gets its whole new content under a short temporary name beside
// it first, forced to the disk, and the content takes the file's place in one rename. Until that
// rename the old file is never touched, so a failure (a full disk, a refused name) or a kill
// leaves it byte for byte as it was; a content that is dropped leaves nothing behind. The
// temporary name is the program's own (see temporary_names.h), so it fits beside a file of any
// name and no listing shows it.
#include "platform/files/descriptor.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace platform {

// What a new content does with what its name holds. Only a regular file, or a link to one, is
// ever replaced; a folder, a fifo, a device or a link leading nowhere refuses the write.
enum class Placing {
    // The file or link the name holds (in any letter case) is replaced in one rename: a link as
    // a link, never the file it leads to. Another spelling of the name goes once it is done.
    Replace,
    // The file the name holds gets the new content under its own name; through a link, the file
    // the link leads to is replaced in its own folder and the link stays, as text editors do.
    InPlace,
    // The name, spelled as given, must be free when the content takes it: nothing is replaced.
    New,
};

class PendingFile {
public:
    // Checks the name and what it holds (nothing, or a regular file that is not read-only) and
    // opens the temporary file. An unforced content does not wait for the disk: for copies whose
    // source stays where it is.
    PendingFile(const QString& windowsPath, Placing placing, bool forced = true);
    // A content never put in place is removed.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // The native path of the file the content replaces (read it for an append); empty for none.
    const QString& replaced() const { return replaced_; }

    void write(const QByteArray& bytes);   // fails unless every byte is written
    void setLastWriteTime(const QDateTime& time);

    // Forces the content to the disk and renames it onto its name: the one step in which the
    // file changes. When that fails, the old file is as it was and the content stays pending.
    void putInPlace();
    // Takes a content put in place under a name that was free (always so for Placing::New) away
    // again; one that replaced an entry under its name stays: what is to take its place again
    // does so in one rename over it.
    void withdraw();

private:
    void closeContent();

    QString windowsPath_;
    Placing placing_;
    bool forced_;
    QString target_;     // native: the name the content takes
    QString replaced_;   // native: the entry it replaces, when there is one
    QString temporary_;  // native
    Descriptor fd_;
    bool tookFreeName_ = true;
    bool placed_ = false;
    QDateTime lastWrite_;
};

} // namespace platform
