#pragma once
// The texts of the drops: questions about a file already there, the counts, and the names a
// dropped path gives.
#include <QString>

namespace mainwindow {

// "目标文件夹下已存在【name】,是否覆盖?"
QString ReplaceQuestionInTarget(const QString& name);
// The same question on a category: the name less its last four characters.
QString ReplaceQuestionOnImport(const QString& fileName);
// The same question on the document list: the name without any ".txt".
QString ReplaceQuestionWithoutExtension(const QString& fileName);
// "成功导入N个txt型文本文件。"
QString ImportedText(int count);
// How many dropped files could not be copied.
QString CopyFailedText(int count);
// A document that stayed where it was since its file could not be copied.
QString MoveFailedText(const QString& title);
// A file dropped on the editor that is too large to be read into it.
QString DroppedFileTooLargeText();

// The text after the last backslash with every ".txt" removed, wherever it stands.
QString TitleFromDroppedPath(const QString& path);

} // namespace mainwindow
