#include "mainwindow/drop_texts.h"

namespace mainwindow {
namespace {
QString withoutTxt(QString name)
{
    return name.remove(QStringLiteral(".txt"), Qt::CaseSensitive);
}
} // namespace

QString ReplaceQuestionInTarget(const QString& name)
{
    return QStringLiteral("目标文件夹下已存在【") + name + QStringLiteral("】,是否覆盖?");
}

QString ReplaceQuestionOnImport(const QString& fileName)
{
    return ReplaceQuestionInTarget(fileName.chopped(4));
}

QString ReplaceQuestionWithoutExtension(const QString& fileName)
{
    return QStringLiteral("当前目录下已存在【") + withoutTxt(fileName) + QStringLiteral("】,是否覆盖?");
}

QString ImportedText(int count)
{
    return QStringLiteral("成功导入") + QString::number(count) + QStringLiteral("个txt型文本文件。");
}

QString CopyFailedText(int count)
{
    return QStringLiteral("有") + QString::number(count) + QStringLiteral("个txt型文本文件未能复制。");
}

QString MoveFailedText(const QString& title)
{
    return QStringLiteral("文档【") + title + QStringLiteral("】未能移动。");
}

QString DroppedFileTooLargeText()
{
    return QStringLiteral("文件过大，无法打开！");
}

QString TitleFromDroppedPath(const QString& path)
{
    return withoutTxt(path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1));
}

} // namespace mainwindow
