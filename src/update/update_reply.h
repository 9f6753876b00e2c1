#pragma once
// The version file's reply: fields separated by "|", field 0 the newest version as a number.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace update {

// The reply's bytes read as the program reads its documents: UTF-8, or the Chinese code page when
// they are not valid UTF-8. The reply knows no byte-order mark: one at its start stays text.
QString ReplyText(const QByteArray& body);

// The text split at every "|", nothing trimmed; an empty text has no field at all.
QStringList ReplyFields(const QString& text);

// Empty, or only blanks (tabs and line breaks are not blanks).
bool IsBlank(const QString& field);

// Text that reads as a number, with blanks allowed around it: "2", "2.1", " 2.0 ", "-1", ".5",
// "1e3"; not a word, not an empty text, not a number followed by a line break.
bool IsNumericText(const QString& text);

} // namespace update
