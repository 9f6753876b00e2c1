#include "platform/controls/common_dialog.h"

#include "platform/error.h"
#include "platform/window/ole_color.h"

#include <QApplication>
#include <QColorDialog>

namespace platform {
namespace {
ColorChooser& chooser()
{
    static ColorChooser c;
    return c;
}

std::optional<QColor> askPerson(QColor initial)
{
    const QColor picked = QColorDialog::getColor(initial, QApplication::activeWindow());
    return picked.isValid() ? std::optional<QColor>(picked) : std::nullopt;
}
} // namespace

ColorChooser setColorChooserSeam(ColorChooser next)
{
    ColorChooser previous = chooser();
    chooser() = std::move(next);
    return previous;
}

CommonDialog::CommonDialog(QObject* parent) : QObject(parent) {}

void CommonDialog::applyLayout(const QJsonObject& o)
{
    setObjectName(o.value("name").toString());
    cancelError_ = o.value("cancelError").toBool(false);
    flags_ = o.value("flags").toInt(0);
}

void CommonDialog::setAction(int action)
{
    if (action != 3)
        throw Error("Invalid property value");
    action_ = action;
    ShowColor();
}

void CommonDialog::ShowColor()
{
    const QColor initial = (flags_ & cdlCCRGBInit) ? oleToColor(color_) : QColor(Qt::black);
    const std::optional<QColor> answer = chooser() ? chooser()(initial) : askPerson(initial);
    if (answer) {
        color_ = colorToOle(*answer);
        return;
    }
    if (cancelError_)
        throw Error("Cancel was selected (" + std::to_string(cdlCancel) + ")");
}

} // namespace platform
