#pragma once
// A document file taken out of its name under a short temporary name in its own folder (see
// temporary_names.h), a link as the link itself: the step before a file goes or is replaced
// that can still be taken back by a rename, so no byte of it is ever written again. Setting it
// aside is also the test that it can go at all: a read-only folder or an immutable file refuses
// the rename as it would refuse the delete.
#include <QString>

namespace platform {

class SetAside {
public:
    // Sets aside the entry the path finds (letter case resolved): a regular file its owner may
    // write, or a link to a regular file. Anything else is refused and stays where it is.
    explicit SetAside(const QString& windowsPath);
    // What is still aside goes back under its name.
    ~SetAside();
    SetAside(const SetAside&) = delete;
    SetAside& operator=(const SetAside&) = delete;

    // Back under its name; fails, leaving it aside, when the name was taken meanwhile.
    void putBack();
    // Gone for good: a link goes as a link.
    void remove();

private:
    QString windowsPath_;
    QString native_;
    QString aside_;
    bool isAside_ = false;
};

} // namespace platform
