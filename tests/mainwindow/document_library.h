#pragma once
// A small library for the editor's tests: categories with their folders and Types rows, and
// documents with their files and styled Log rows, all made before the window starts; and the
// person's hand on the lists and the drop-down boxes.
#include "support/program_folder_fixture.h"

#include "platform/controls/combo_box.h"
#include "platform/controls/list_view.h"

#include <QString>
#include <QStringList>
#include <QTest>

namespace testsupport {

struct StyledDocument {
    QString title;
    QByteArray text;
    int fontSize = 12;
    QString fontName = QStringLiteral("宋体");
    int fontColor = 0;
    int backColor = 0xFFFFFF;
};

// Returns the category's number.
inline int addCategory(const ProgramFolder& folder, const QString& name)
{
    folder.exec("insert into Types (TypeName) values ('" + name + "')");
    folder.makeFolder("txt/" + name);
    return folder.scalar("select ID from Types where TypeName='" + name + "'").toInt();
}

// Returns the document's number.
inline int addDocument(const ProgramFolder& folder, const QString& category, const StyledDocument& d)
{
    const int type = folder.scalar("select ID from Types where TypeName='" + category + "'").toInt();
    folder.exec(QString("insert into Log (Title, Type, FontSize, FontName, FontColor, BackColor) "
                        "values ('%1', %2, %3, '%4', %5, %6)")
                    .arg(d.title).arg(type).arg(d.fontSize).arg(d.fontName).arg(d.fontColor).arg(d.backColor));
    folder.writeFile("txt/" + category + "/" + d.title + ".txt", d.text);
    return folder.scalar("select ID from Log where Title='" + d.title + "' and Type=" + QString::number(type)).toInt();
}

// A click on the row of the item numbered from 1.
inline void clickItem(platform::ListView* list, int index)
{
    const QRect row = list->visualRect(list->model()->index(index - 1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
}

inline int itemIndex(platform::ListView* list, const QString& text)
{
    for (int i = 1; i <= list->ListItems().Count(); ++i)
        if (list->ListItems().Item(i)->Text() == text)
            return i;
    return 0;
}

inline void clickItem(platform::ListView* list, const QString& text)
{
    clickItem(list, itemIndex(list, text));
}

// The items' texts of a list, and the entries of a drop-down list, in their order.
inline QStringList itemTexts(platform::ListView* list)
{
    QStringList t;
    for (int i = 1; i <= list->ListItems().Count(); ++i)
        t << list->ListItems().Item(i)->Text();
    return t;
}

inline QStringList entries(platform::ComboBox* box)
{
    QStringList t;
    for (int i = 0; i < box->ListCount(); ++i)
        t << box->List(i);
    return t;
}

// The person picks an entry of a drop-down list.
inline void pick(platform::ComboBox* box, const QString& entry)
{
    box->setText(entry);
    emit box->activated(box->currentIndex());
}

} // namespace testsupport
