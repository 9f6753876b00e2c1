#include "platform/files/text_files.h"

#include "platform/files/file_errors.h"
#include "platform/files/windows_path.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {
namespace {
const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const char* const kChineseCodePage = "GB18030";

QByteArray readBytes(const QString& native, const QString& windowsPath)
{
    const QFileInfo info(native);
    if (!info.exists())
        throwFileError(FileError::FileNotFound, windowsPath);
    if (info.isDir())
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("it is a folder"));
    QFile file(native);
    if (!file.open(QIODevice::ReadOnly)) {
        throwFileError(file.error() == QFileDevice::PermissionsError ? FileError::PermissionDenied
                                                                      : FileError::AccessError,
                       windowsPath, file.errorString());
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throwFileError(FileError::AccessError, windowsPath, file.errorString());
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

TextFileContent decodeText(const QByteArray& bytes)
{
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
    if (format.encoding == TextEncoding::Gb18030) {
        QStringEncoder chinese(kChineseCodePage);
        return chinese.encode(text);
    }
    QStringEncoder utf8(QStringConverter::Utf8);
    const QByteArray body = utf8.encode(text);
    return format.byteOrderMark ? kUtf8Mark + body : body;
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
    } else {
        TextFormat following = format;   // a mark belongs at the start of a file only
        following.byteOrderMark = false;
        file->write(old);
        file->write(encodeText(text, following));
    }
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
