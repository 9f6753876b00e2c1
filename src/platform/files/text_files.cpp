#include "platform/files/text_files.h"

#include "platform/files/descriptor.h"
#include "platform/files/file_calls.h"
#include "platform/files/file_errors.h"
#include "platform/files/windows_path.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LeMark("\xFF\xFE");
const QByteArray kUtf16BeMark("\xFE\xFF");
const char* const kChineseCodePage = "GB18030";

QByteArray readBytes(const QString& native, const QString& windowsPath)
{
    // Only a regular file (a link is followed) is opened: opening a device may act on it, and a
    // fifo put at the name would keep the open waiting.
    struct stat st {};
    const Descriptor file = openRegularFile(AT_FDCWD, QFile::encodeName(native).constData(), true, &st);
    if (!file.ok() && (errno == ENOENT || errno == ENOTDIR))
        throwFileError(FileError::FileNotFound, windowsPath);
    if (!file.ok() && errno == EINVAL)
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("it is not a regular file"));
    if (!file.ok())
        throwSystemError(windowsPath, QStringLiteral("opening it"));
    if (st.st_size > kLargestTextFile)
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("it is too large to read as text"));

    // To its end, which a file still growing may put beyond the size just seen.
    QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > kLargestTextFile)
                throwFileError(FileError::AccessError, windowsPath, QStringLiteral("it is too large to read as text"));
            bytes.resize(std::min<qsizetype>(have * 2, kLargestTextFile + 1));
        }
        const ssize_t got = ::read(file.get(), bytes.data() + have, std::size_t(bytes.size() - have));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throwSystemError(windowsPath, QStringLiteral("reading"));
        if (got == 0)
            break;
        have += got;
    }
    bytes.truncate(have);
    return bytes;
}

} // namespace

QString firstLineEnd(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator)
            return QString(c);
        if (c == QLatin1Char('\r'))
            return i + 1 < text.size() && text[i + 1] == QLatin1Char('\n') ? QStringLiteral("\r\n")
                                                                            : QStringLiteral("\r");
    }
    return QStringLiteral("\n");
}

namespace {
QStringConverter::Encoding utf16Of(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
}

// A file that begins with a UTF-16 mark: read as UTF-16 in that byte order. Bytes that are no
// UTF-16 text (an odd last byte) are kept out of any write-back by the exact flag.
TextFileContent decodeUtf16(const QByteArray& bytes, TextEncoding encoding)
{
    TextFileContent content;
    content.format.encoding = encoding;
    content.format.byteOrderMark = true;
    // A second mark after the first is text, not a mark.
    QStringDecoder utf16(utf16Of(encoding), QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    content.text = utf16.decode(QByteArrayView(bytes).sliced(2));
    content.format.exact = !utf16.hasError() && encodeText(content.text, content.format) == bytes;
    content.format.lineEnd = firstLineEnd(content.text);
    return content;
}
} // namespace

TextFileContent decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith(kUtf16LeMark))
        return decodeUtf16(bytes, TextEncoding::Utf16LE);
    if (bytes.startsWith(kUtf16BeMark))
        return decodeUtf16(bytes, TextEncoding::Utf16BE);

    TextFileContent content;
    const bool marked = bytes.startsWith(kUtf8Mark);
    const QByteArray body = marked ? bytes.mid(kUtf8Mark.size()) : bytes;

    // A second mark after the first is text, not a mark.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    content.text = utf8.decode(body);
    if (!utf8.hasError()) {
        content.format.byteOrderMark = marked;
    } else {
        // Not UTF-8: a document of the old program, in the Chinese code page. Bytes that are no
        // text in it either are kept out of any write-back by the exact flag.
        content.format.encoding = TextEncoding::Gb18030;
        QStringDecoder chinese(kChineseCodePage);
        content.text = chinese.decode(bytes);
        content.format.exact = !chinese.hasError() && encodeText(content.text, content.format) == bytes;
    }
    content.format.lineEnd = firstLineEnd(content.text);
    return content;
}

QByteArray encodeText(const QString& text, const TextFormat& format)
{
    switch (format.encoding) {
    case TextEncoding::Gb18030: {
        QStringEncoder chinese(kChineseCodePage);
        return chinese.encode(text);
    }
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        QStringEncoder utf16(utf16Of(format.encoding));
        const QByteArray body = utf16.encode(text);
        if (!format.byteOrderMark)
            return body;
        return (format.encoding == TextEncoding::Utf16LE ? kUtf16LeMark : kUtf16BeMark) + body;
    }
    case TextEncoding::Utf8:
        break;
    }
    QStringEncoder utf8(QStringConverter::Utf8);
    const QByteArray body = utf8.encode(text);
    return format.byteOrderMark ? kUtf8Mark + body : body;
}

bool TooLargeForText(const QString& windowsPath)
{
    struct stat st {};
    return ::stat(QFile::encodeName(resolvePath(windowsPath)).constData(), &st) == 0 && S_ISREG(st.st_mode)
        && st.st_size > kLargestTextFile;
}

TextFileContent ReadTextFileAsIs(const QString& windowsPath)
{
    return decodeText(readBytes(resolvePath(windowsPath), windowsPath));
}

QString ReadTextFile(const QString& windowsPath)
{
    return ReadTextFileAsIs(windowsPath).text;
}

std::unique_ptr<PendingFile> PendingAppend(const QString& windowsPath, const QString& text, const TextFormat& format)
{
    auto file = std::make_unique<PendingFile>(windowsPath, Placing::Replace);
    const QByteArray old = file->replaced().isEmpty() ? QByteArray() : readBytes(file->replaced(), windowsPath);
    if (old.isEmpty()) {
        file->write(encodeText(text, format));
        return file;
    }
    // The new text joins the old one in the old file's own form, its encoding and its line ends,
    // so that the whole file reads back as one text. A file that no form the program reads gives
    // back byte for byte has no form to join: nothing is written to it.
    const TextFileContent read = decodeText(old);
    const TextFormat& before = read.format;
    if (!before.exact)
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("its text cannot be read back as it is"));
    TextFormat following = before;   // a mark belongs at the start of a file only
    following.byteOrderMark = false;
    // Every line end of the new text, of whatever kind, becomes the old file's, when the old
    // text has line ends to tell which.
    QString joining = text;
    const bool hasLineEnds = std::any_of(read.text.begin(), read.text.end(),
                                         [](QChar c) { return c == u'\n' || c == u'\r' || c == QChar(0x2029); });
    if (hasLineEnds) {
        joining.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        if (following.lineEnd != QLatin1String("\n"))
            joining.replace(u'\n', following.lineEnd);
    }
    file->write(old);
    file->write(encodeText(joining, following));
    return file;
}

std::unique_ptr<PendingFile> PendingText(const QString& windowsPath, const QString& text, const TextFormat& format,
                                         Placing placing)
{
    auto file = std::make_unique<PendingFile>(windowsPath, placing);
    file->write(encodeText(text, format));
    return file;
}

void AppendTextFile(const QString& windowsPath, const QString& text, const TextFormat& format)
{
    PendingAppend(windowsPath, text, format)->putInPlace();
}

void WriteTextFile(const QString& windowsPath, const QString& text, const TextFormat& format)
{
    PendingText(windowsPath, text, format, Placing::Replace)->putInPlace();
}

} // namespace platform
