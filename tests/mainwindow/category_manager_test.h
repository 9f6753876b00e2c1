#pragma once
// The category manager of the real window under a person's hand: adding, renaming and deleting
// through its buttons, with the rows, folders and lists read back. Programs started are
// recorded; the interpreter's commands are then carried out as the desktop's launcher does.
#include "mainwindow/document_library.h"
#include "mainwindow/library_window_test.h"

#include "platform/controls/form.h"
#include "platform/shell/command_line.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace testsupport {

using platform::shell::Launch;

class CategoryEditing : public LibraryWindowTest {
protected:
    // Programs started are recorded; the interpreter's commands are then carried out as the
    // desktop's launcher does, since they never leave the program.
    CategoryEditing()
        : previous_(platform::shell::setLauncher([this](const Launch& what) {
              started << what;
              return platform::shell::RunInterpreterCommand(what).value_or(true);
          }))
    {
    }
    ~CategoryEditing() override { platform::shell::setLauncher(previous_); }

    // The window started and the category manager shown through its menu button.
    void manager()
    {
        start();
        click(w().btTypes);
    }
    void show(const QString& category) { clickItem(w().listType, category); }
    void typeName(const QString& text)
    {
        w().txtTypeName->setText(QString());
        QTest::keyClicks(w().txtTypeName, text);
    }
    void add(const QString& text)
    {
        click(w().cmdTypeAdd);
        typeName(text);
        click(w().cmdTypeSave);
    }
    void rename(const QString& category, const QString& text)
    {
        show(category);
        click(w().cmdTypeEdit);
        typeName(text);
        click(w().cmdTypeUpdate);
    }
    void remove(const QString& category, std::initializer_list<Answer> answers)
    {
        show(category);
        answer(answers);
        click(w().cmdTypeDel);
    }

    // The three lists name the same categories in the same order.
    QStringList lists()
    {
        EXPECT_EQ(itemTexts(w().ListFolder), itemTexts(w().listType));
        EXPECT_EQ(entries(w().ComboType), itemTexts(w().listType));
        return itemTexts(w().listType);
    }
    // Every row's name, by number.
    QStringList typeNames() const
    {
        const QVariant names = folder.scalar("select group_concat(TypeName, '|') from (select TypeName from Types order by ID)");
        return names.isNull() ? QStringList() : names.toString().split('|');
    }
    QStringList folders() const
    {
        return QDir(folder.file("txt")).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    }
    bool viewStrip() { return w().Picture1->isVisibleTo(&w().form()) && !w().Picture2->isVisibleTo(&w().form()); }

    QList<Launch> started;

private:
    platform::shell::Launcher previous_;
};

} // namespace testsupport
