#include "update/update_reply.h"

#include "mainwindow/blank_trim.h"
#include "platform/files/text_files.h"

#include <QRegularExpression>

namespace update {

QString ReplyText(const QByteArray& body)
{
    // The documents' reading takes a mark off; here it is put back as the text it is.
    const platform::TextFileContent content = platform::decodeText(body);
    return content.format.byteOrderMark ? QChar(QChar::ByteOrderMark) + content.text : content.text;
}

QStringList ReplyFields(const QString& text)
{
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('|'));
}

bool IsBlank(const QString& field)
{
    return mainwindow::Trim(field).isEmpty();
}

bool IsNumericText(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(\A[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?\z)"));
    return number.match(mainwindow::Trim(text)).hasMatch();
}

} // namespace update
