#pragma once
// Text files as the user's documents hold them. A file is read in the encoding it was written
// in (UTF-8, or GB18030 for a file that is not valid UTF-8: the Chinese code page of the old
// program's documents), with its byte-order mark and line ends noted, and written back in the
// same form, so that nothing the user did not change is changed. Writing and appending both
// put the whole new content in place at once, so a failure leaves the old file untouched.
#include "platform/files/safe_write.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace platform {

// The largest file read as text. The editor holds up to four times a document's size and takes
// about a second to show 32 MiB on one line; a larger file would keep the window from answering
// for seconds (at start-up, when it is the first document, from showing at all).
inline constexpr qint64 kLargestTextFile = qint64(32) << 20;

// True when the path names a regular file larger than kLargestTextFile.
bool TooLargeForText(const QString& windowsPath);

enum class TextEncoding { Utf8, Gb18030, Utf16LE, Utf16BE };

// How a file's text becomes bytes. New documents are UTF-8, no mark, LF line ends.
struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    QString lineEnd = QStringLiteral("\n");   // the line end of the file's first line
    bool exact = true;   // the text written back unchanged gives the file's bytes again

    bool operator==(const TextFormat&) const = default;
};

// A file's text with its own line ends (CR LF, LF, CR or U+2029, as the file has them).
struct TextFileContent {
    QString text;
    TextFormat format;
};

// The first line end of a text (CR LF, LF, CR or U+2029), or LF for a text of one line.
QString firstLineEnd(const QString& text);

// The text of the bytes and the form they were in; the mark is not part of the text.
TextFileContent decodeText(const QByteArray& bytes);
// The bytes of a text in a form: the mark, when the form has one, and then the encoded text.
QByteArray encodeText(const QString& text, const TextFormat& format);

// The file's text and form. Fails for anything but a regular file of kLargestTextFile at most.
TextFileContent ReadTextFileAsIs(const QString& windowsPath);

// The whole file as text with its own line ends; a byte-order mark at its start is dropped.
QString ReadTextFile(const QString& windowsPath);

// Writes text after the file's present content; the file is created when missing. A new file's
// text goes in the given form; text after a content goes in that content's form (its encoding
// and line ends), and a content that cannot be read back byte for byte refuses the text.
void AppendTextFile(const QString& windowsPath, const QString& text, const TextFormat& format = {});

// Replaces the file's content with text in the given form; the file is created when missing.
void WriteTextFile(const QString& windowsPath, const QString& text, const TextFormat& format = {});

// The same two, written whole but not yet in place, for a routine that stores more (a row)
// before the file changes: putInPlace() then replaces the file in one rename.
std::unique_ptr<PendingFile> PendingAppend(const QString& windowsPath, const QString& text, const TextFormat& format);
std::unique_ptr<PendingFile> PendingText(const QString& windowsPath, const QString& text, const TextFormat& format,
                                         Placing placing);

// No file is held open between calls, so closing every open file has nothing left to do.
inline void CloseAllFiles() {}

} // namespace platform
