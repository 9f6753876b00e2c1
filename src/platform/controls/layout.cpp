#include "platform/controls/layout.h"

#include "platform/controls/combo_box.h"
#include "platform/controls/common_dialog.h"
#include "platform/controls/file_list_box.h"
#include "platform/controls/frame.h"
#include "platform/controls/image.h"
#include "platform/controls/image_list.h"
#include "platform/controls/label.h"
#include "platform/controls/line.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/error.h"

namespace platform {
namespace {
std::string describe(const QString& name, int index)
{
    return (index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index)).toStdString();
}
} // namespace

QString Layout::key(const QString& name, int index)
{
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

QObject* Layout::object(const QString& name, int index) const
{
    QObject* found = objects_.value(key(name, index));
    if (!found)
        throw Error("No control " + describe(name, index) + " in the layout");
    return found;
}

bool Layout::contains(const QString& name, int index) const
{
    return objects_.value(key(name, index)) != nullptr;
}

QList<int> Layout::indexes(const QString& name) const
{
    return arrays_.value(name);
}

QString Layout::kindOf(const QString& name, int index) const
{
    object(name, index);
    return kinds_.value(key(name, index));
}

template <class T>
T* Layout::get(const QString& name, int index) const
{
    T* found = dynamic_cast<T*>(object(name, index));
    if (!found)
        throw Error("Control " + describe(name, index) + " is a " + kindOf(name, index).toStdString());
    return found;
}

Label* Layout::label(const QString& name, int index) const { return get<Label>(name, index); }
TextBox* Layout::textBox(const QString& name, int index) const { return get<TextBox>(name, index); }
ComboBox* Layout::comboBox(const QString& name, int index) const { return get<ComboBox>(name, index); }
ListView* Layout::listView(const QString& name, int index) const { return get<ListView>(name, index); }
RichTextBox* Layout::richTextBox(const QString& name, int index) const { return get<RichTextBox>(name, index); }
PictureBox* Layout::pictureBox(const QString& name, int index) const { return get<PictureBox>(name, index); }
Image* Layout::image(const QString& name, int index) const { return get<Image>(name, index); }
Frame* Layout::frame(const QString& name, int index) const { return get<Frame>(name, index); }
Line* Layout::line(const QString& name, int index) const { return get<Line>(name, index); }
Timer* Layout::timer(const QString& name) const { return get<Timer>(name, -1); }
FileListBox* Layout::fileListBox(const QString& name) const { return get<FileListBox>(name, -1); }
CommonDialog* Layout::commonDialog(const QString& name) const { return get<CommonDialog>(name, -1); }
ImageList* Layout::imageList(const QString& name) const { return get<ImageList>(name, -1); }
QWidget* Layout::widget(const QString& name, int index) const { return get<QWidget>(name, index); }

} // namespace platform
