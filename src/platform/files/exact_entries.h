#pragma once
// Entries of one folder named exactly as given (never found under another letter case), for the
// changes that a crash must not leave half-known: each change is forced to the disk before the
// call returns, so that what the next start finds is what was done. The folder is a Windows-form
// path, resolved as usual; a name is one component, never "." or "..".
#include "platform/files/descriptor.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// Whether the folder holds an entry of exactly this name (a link counts as itself).
bool HoldsEntry(const QString& windowsFolder, const QString& name);

// Renames one entry of the folder; fails when no entry has the old name or any entry already
// has the new one.
void RenameEntry(const QString& windowsFolder, const QString& from, const QString& to);

// A small new file that shows up under its name only whole, held with a lock of the file
// system's for as long as the object lives: another process (or another look from this one)
// then finds it held, while one whose writer has ended or was killed is found free. Fails when
// the name is taken.
class HeldFile {
public:
    HeldFile(const QString& windowsFolder, const QString& name, const QByteArray& bytes);
    ~HeldFile();   // lets go of it; the file stays
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    // Removes the file (unless another has taken its name meanwhile), then lets go of it.
    void remove();

    // Removes what a writer of that name killed before its file was whole left behind.
    static void clearAbandoned(const QString& windowsFolder, const QString& name);

    // The name of an entry that is no regular file (a fifo, a device, a link, a folder) at the
    // file's name or at the one it is written under first, which no writer made and none can
    // take or clear away; empty when there is none.
    static QString strangerAt(const QString& windowsFolder, const QString& name);

private:
    QString folder_;
    QString name_;
    Descriptor fd_;
};

struct FoundFile {
    QByteArray content;
    bool held = false;   // a HeldFile of a process still at work
};

// The content of a small plain file, or none when the folder holds no regular file of that name:
// anything else there (a fifo, a device, a link, a folder) is not opened.
std::optional<FoundFile> ReadFileIfAny(const QString& windowsFolder, const QString& name);

// Removes a file, if the folder holds it.
void RemoveFile(const QString& windowsFolder, const QString& name);

// Removes an entry of the folder with everything in it, by the bytes of every name, a link as a
// link (read-only folders inside are made writable on the way); fails when anything of it is
// left. An entry that is not there is nothing to remove.
void RemoveEntryTree(const QString& windowsFolder, const QString& name);

} // namespace platform
