#pragma once
// The document page of the real window with the steps the tests of writes at the edges take:
// editing and refused updates, deletes, drag-moves between categories, the rows a reload finds,
// every entry of a folder (hidden ones too) and files outside the library.
#include "mainwindow/document_library.h"
#include "mainwindow/drag_and_drop.h"
#include "mainwindow/library_window_test.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace testsupport {

inline const QString kUpdateFailed = QStringLiteral("保存文档出错，修改未能保存！");
inline const QString kDeleteFailed = QStringLiteral("删除文档出错，文档未能删除！");
inline QString moveFailed(const QString& title)
{
    return QStringLiteral("文档【") + title + QStringLiteral("】未能移动。");
}

class DocumentWrites : public testsupport::LibraryWindowTest {
protected:
    void edit(const QString& title, const QString& text, const QString& category = {})
    {
        if (!editing())
            click(w().cmdEdit);
        type(title, text, category);
    }
    void open(const QString& category, const QString& title)
    {
        leaveEditor();
        testsupport::clickItem(w().ListFolder, category);
        const platform::ListItemPtr item = w().listTxt->ListItems().Item(testsupport::itemIndex(w().listTxt, title));
        ASSERT_TRUE(item) << title.toStdString();
        item->setSelected(true);
        w().listTxt_ItemClick(item);
    }
    void leaveEditor()
    {
        if (editing())
            click(w().cmdCancel);
    }
    // The update is refused with its message; the editor keeps the edit, still to be saved.
    void expectUpdateRefused()
    {
        answer({Answer::Ok});
        const int before = int(shown().size());
        const QString text = w().myTxt->Text();
        EXPECT_FALSE(w().UpdateDocument());
        EXPECT_EQ(shown().mid(before), QStringList{kUpdateFailed});
        EXPECT_TRUE(w().IsEditing);
        EXPECT_EQ(w().myTxt->Text(), text);
    }
    // Yes to the question; a refused delete's message is closed too.
    void deleteOpen(bool refused = false)
    {
        answer({Answer::Yes});
        if (refused)
            answer({Answer::Ok});
        w().cmdDel_Click();
    }
    // The open category's document dragged onto another category of the document page.
    void dragMove(const QString& title, const QString& target)
    {
        platform::ListView* list = w().listTxt;
        list->setSelectedItem(list->ListItems().Item(testsupport::itemIndex(list, title)));
        dropOn(w().ListFolder, overItem(w().ListFolder, testsupport::itemIndex(w().ListFolder, target)),
               std::unique_ptr<QMimeData>(list->dragData()));
    }
    // Title, category and style of every row, as the next load finds them (every category
    // visited, so every file is adopted or every stale row removed first).
    QStringList reloadedRows()
    {
        leaveEditor();
        for (const QString& category : categoryNames())
            testsupport::clickItem(w().ListFolder, category);
        QStringList all = folder
                              .scalar("select group_concat(t.TypeName || '/' || l.Title || '|' || l.FontSize || '|' "
                                      "|| l.FontName, char(10)) from Log l join Types t on t.ID = l.Type")
                              .toString()
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        all.sort();
        return all;
    }
    // Every entry of a folder, hidden ones too: no temporary file may stay behind.
    QStringList everything(const QString& relative) const
    {
        return QDir(folder.file(relative)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QString outsideFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(outside.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QByteArray outsideBytes(const QString& name) const
    {
        QFile f(outside.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    bool isLink(const QString& relative) const { return QFileInfo(folder.file(relative)).isSymLink(); }
    bool isRegular(const QString& relative) const
    {
        struct stat st {};
        return ::lstat(folder.file(relative).toUtf8().constData(), &st) == 0 && S_ISREG(st.st_mode);
    }
    bool isFifo(const QString& relative) const
    {
        struct stat st {};
        return ::lstat(folder.file(relative).toUtf8().constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    }

    QTemporaryDir outside;
};

} // namespace testsupport
