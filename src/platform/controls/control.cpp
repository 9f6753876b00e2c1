#include "platform/controls/control.h"

#include "platform/window/ole_color.h"

namespace platform {

void paintRole(QWidget* w, QPalette::ColorRole role, LONG ole)
{
    QPalette p = w->palette();
    const QColor c = oleToColor(ole);
    p.setColor(QPalette::Active, role, c);
    p.setColor(QPalette::Inactive, role, c);
    // A disabled control keeps its background but greys its text, as the toolkit draws it.
    const bool background = role == QPalette::Window || role == QPalette::Base || role == QPalette::Button;
    if (background)
        p.setColor(QPalette::Disabled, role, c);
    w->setPalette(p);
}

} // namespace platform
