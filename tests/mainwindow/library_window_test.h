#pragma once
// A main-window test over a small library: helpers to fill the editor as a person does and to
// read back what the save left in the table and on disk.
#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "shared/module1_storage.h"

#include <QDir>

namespace testsupport {

class LibraryWindowTest : public MainWindowTest {
protected:
    // A document file in a category folder, before start() (the list load gives it a row).
    void document(const QString& category, const QString& title, const QByteArray& text)
    {
        folder.makeFolder("txt/" + category);
        folder.writeFile("txt/" + category + "/" + title + ".txt", text);
    }

    // A category row and folder, and a document row in a style of its own with its file, made by
    // hand where names differ only in letter case (the library's helpers look names up as the
    // database does). Each gives the new row's number.
    int category(const QString& name)
    {
        folder.exec("insert into Types (TypeName) values ('" + name + "')");
        folder.makeFolder("txt/" + name);
        return folder.scalar("select max(ID) from Types").toInt();
    }
    int document(int type, const QString& categoryFolder, const QString& title, const QByteArray& text, int size)
    {
        folder.exec(QString("insert into Log (Title, Type, FontSize, FontName, FontColor, BackColor) "
                            "values ('%1', %2, %3, '宋体', 255, 65535)").arg(title).arg(type).arg(size));
        folder.writeFile("txt/" + categoryFolder + "/" + title + ".txt", text);
        return folder.scalar("select max(ID) from Log").toInt();
    }

    // The editor's title and text typed in; the category chosen afterwards, since each change
    // of the text puts the category box back to the current category.
    void type(const QString& title, const QString& text, const QString& category = {})
    {
        w().txtTitle->setText(title);
        w().myTxt->setText(text);
        if (!category.isEmpty())
            w().ComboType->setText(category);
    }

    int typeID(const QString& name) const
    {
        return folder.scalar("select ID from Types where TypeName='" + name + "'").toInt();
    }
    int rows(const QString& where = {}) const { return folder.count("Log", where); }
    // Every document row as "category/title:size", by title: where each document is, in which style.
    QString styles() const
    {
        return folder
            .scalar("select group_concat(t.TypeName || '/' || l.Title || ':' || l.FontSize, ' ') from "
                    "(select * from Log order by Title) l join Types t on t.ID = l.Type")
            .toString();
    }
    QStringList files(const QString& category) const
    {
        return QDir(folder.file("txt/" + category)).entryList(QDir::Files, QDir::Name);
    }
    QString openTitle() { return w().lbTxtName->Caption(); }
    bool editing() { return w().pboxTxtSave->isVisible(); }
};

} // namespace testsupport
