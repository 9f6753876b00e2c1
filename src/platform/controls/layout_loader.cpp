#include "platform/controls/combo_box.h"
#include "platform/controls/common_dialog.h"
#include "platform/controls/control_factory.h"
#include "platform/controls/file_list_box.h"
#include "platform/controls/font_substitution.h"
#include "platform/controls/form.h"
#include "platform/controls/frame.h"
#include "platform/controls/image.h"
#include "platform/controls/image_list.h"
#include "platform/controls/label.h"
#include "platform/controls/layout.h"
#include "platform/controls/layout_keys.h"
#include "platform/controls/line.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <map>

namespace platform {
namespace {

QJsonObject readLayout(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error("Cannot read the layout " + path.toStdString());
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isObject())
        throw Error("The layout " + path.toStdString() + " is not valid: " + error.errorString().toStdString());
    return doc.object();
}

template <class C, class... Args>
C* made(QWidget* parent, const QJsonObject& o, Args... args)
{
    auto* c = new C(parent, args...);
    c->applyLayout(o);
    return c;
}

// The skinned button's stand-in until its factory is registered.
QWidget* placeholder(QWidget* parent, const QJsonObject&)
{
    return new QWidget(parent);
}

// What the loader gives a factory-made widget: the container's keys, which the widget itself
// does not keep.
void placeMade(QWidget* w, const QJsonObject& o)
{
    w->setObjectName(o.value("name").toString());
    if (const auto index = intKey(o, "index"))
        w->setProperty(kIndexProperty, *index);
    w->setGeometry(twipsToPixelsX(o.value("left").toDouble()), twipsToPixelsY(o.value("top").toDouble()),
                   twipsToPixelsX(o.value("width").toDouble()), twipsToPixelsY(o.value("height").toDouble()));
    if (const auto tip = textKey(o, "tooltip"))
        w->setToolTip(*tip);
    w->setVisible(boolKey(o, "visible", true));
}

QObject* makeControl(const QString& kind, QWidget* parent, Form& form, const QJsonObject& o)
{
    if (kind == "Label")
        return made<Label>(parent, o);
    if (kind == "TextBox")
        return made<TextBox>(parent, o);
    if (kind == "ComboBox")
        return made<ComboBox>(parent, o, o.value("style").toInt(0));
    if (kind == "ListView")
        return made<ListView>(parent, o);
    if (kind == "RichTextBox")
        return made<RichTextBox>(parent, o);
    if (kind == "PictureBox")
        return made<PictureBox>(parent, o);
    if (kind == "Image")
        return made<Image>(parent, o);
    if (kind == "Frame")
        return made<Frame>(parent, o);
    if (kind == "Line")
        return made<Line>(parent, o);
    if (kind == "Timer")
        return made<Timer>(&form, o);
    if (kind == "FileListBox")
        return made<FileListBox>(&form, o);
    if (kind == "CommonDialog")
        return made<CommonDialog>(&form, o);
    if (kind == "ImageList")
        return made<ImageList>(&form, o);
    ControlFactory factory = controlFactory(kind);
    if (!factory && kind == "iButton")
        factory = placeholder;
    if (!factory)
        throw Error("Unknown control kind " + kind.toStdString());
    QWidget* w = factory(parent, o);
    if (!w)
        throw Error("No " + kind.toStdString() + " was made");
    placeMade(w, o);
    return w;
}

// Focus moves through the controls in the order of their tab indexes, form-wide.
void applyTabOrder(const std::multimap<int, QWidget*>& order)
{
    QWidget* previous = nullptr;
    for (const auto& [index, w] : order) {
        (void)index;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace

Layout LoadLayout(const QString& path, Form& form)
{
    installFontSubstitutions();
    const QJsonObject root = readLayout(path);
    const QJsonObject formKeys = root.value("form").toObject();
    form.applyLayout(formKeys);

    Layout layout;
    QHash<QString, QWidget*> containers{{form.objectName(), &form}};
    std::multimap<int, QWidget*> tabOrder;
    for (const QJsonValue& value : root.value("controls").toArray()) {
        const QJsonObject o = value.toObject();
        const QString kind = o.value("kind").toString();
        const QString name = o.value("name").toString();
        const QString containerName = o.value("container").toString(form.objectName());
        QWidget* parent = containers.value(containerName);
        if (!parent)
            throw Error("Control " + name.toStdString() + " lies in the unknown container " +
                        containerName.toStdString());
        QObject* made = makeControl(kind, parent, form, o);
        const int index = intKey(o, "index").value_or(-1);
        layout.objects_.insert(Layout::key(name, index), made);
        layout.kinds_.insert(Layout::key(name, index), kind);
        layout.arrays_[name].append(index);
        if (kind == "PictureBox" || kind == "Frame") {
            containers.insert(name, static_cast<QWidget*>(made));
            containers.insert(Layout::key(name, index), static_cast<QWidget*>(made));
        }
        if (const auto tab = intKey(o, "tabIndex"); tab && made->isWidgetType())
            tabOrder.emplace(*tab, static_cast<QWidget*>(made));
    }
    applyTabOrder(tabOrder);
    return layout;
}

} // namespace platform
