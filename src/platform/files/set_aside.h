#pragma once
// A document file taken out of the way under a short temporary name in its own folder (see
// temporary_names.h), a link as the link itself: the step before a file goes or is replaced
// that can still be taken back, so no byte of it is ever written again. Setting it aside is also
// the test that it can go at all: a read-only folder or an immutable file refuses it as it would
// refuse the delete.
#include <QString>

namespace platform {

class SetAside {
public:
    enum class How {
        // The file leaves its name in one rename: for a file that goes.
        Rename,
        // The file gets the temporary name as a second name (a hard link) and keeps its own, so
        // that the name is never empty: for a file that a new content replaces in one rename
        // over it, or that goes only once a change is stored. Where the file system has no hard
        // links, the file is renamed instead.
        SecondName,
    };

    // Sets aside the entry the path finds (letter case resolved): a regular file its owner may
    // write, or a link to a regular file. Anything else is refused and stays where it is.
    explicit SetAside(const QString& windowsPath, How how = How::Rename);
    // What is aside goes back under a name left free; a second name of a file still under its
    // own goes. Where the name holds something else, the file aside stays for a later run.
    ~SetAside();
    SetAside(const SetAside&) = delete;
    SetAside& operator=(const SetAside&) = delete;

    // Back under its name. A file set aside by a second name takes its name back in one rename,
    // over what holds the name now (the content that replaced it); a renamed one fails, staying
    // aside, when the name was taken meanwhile.
    void putBack();
    // Gone for good, from its own name too where it is still there: a link goes as a link.
    void remove();

private:
    bool stillNamed() const;   // whether its own name holds the very entry aside
    void takeBack() noexcept;  // what the destructor does

    QString windowsPath_;
    QString native_;
    QString aside_;
    bool linked_ = false;
    bool isAside_ = false;
};

} // namespace platform
