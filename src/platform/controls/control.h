#pragma once
// What every visible control has, over the Qt widget it is: Visible, Enabled, place and size in
// twips, colours as OLE colour numbers, a tooltip, its name and control-array index.
#include "platform/controls/twips_geometry.h"
#include "platform/window/handles.h"
#include "platform/window/win_types.h"

#include <QPalette>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace platform {

// Paints one palette role of a widget with an OLE colour (system colours included).
void paintRole(QWidget* w, QPalette::ColorRole role, LONG ole);

// Name and control-array index as the layout gave them.
inline constexpr const char* kIndexProperty = "qmIndex";

template <class W>
class Control : public W {
public:
    using W::W;

    // The control's own flags, not whether a container hides it.
    bool Visible() const { return !this->isHidden(); }
    bool Enabled() const { return !this->testAttribute(Qt::WA_ForceDisabled); }

    double Left() const { return geometry_.left(this); }
    double Top() const { return geometry_.top(this); }
    double Width() const { return geometry_.width(this); }
    double Height() const { return geometry_.height(this); }
    void setLeft(double twips) { geometry_.setLeft(this, twips); }
    void setTop(double twips) { geometry_.setTop(this, twips); }
    void setWidth(double twips) { geometry_.setWidth(this, twips); }
    void setHeight(double twips) { geometry_.setHeight(this, twips); }
    void Move(double left, double top, double width, double height)
    {
        setLeft(left);
        setTop(top);
        setWidth(width);
        setHeight(height);
    }

    LONG BackColor() const { return back_; }
    void setBackColor(LONG ole)
    {
        back_ = ole;
        paintBackColor(ole);
    }
    LONG ForeColor() const { return fore_; }
    void setForeColor(LONG ole)
    {
        fore_ = ole;
        paintForeColor(ole);
    }

    QString ToolTipText() const { return this->toolTip(); }
    void setToolTipText(const QString& text) { this->setToolTip(text); }

    QString Name() const { return this->objectName(); }
    int Index() const { return this->property(kIndexProperty).isValid() ? this->property(kIndexProperty).toInt() : -1; }
    HWND hWnd() const { return hwndOf(this); }

protected:
    // The defaults of each kind; the constructor of the kind sets them without painting.
    void initColors(LONG back, LONG fore)
    {
        back_ = back;
        fore_ = fore;
    }
    virtual void paintBackColor(LONG ole)
    {
        this->setAutoFillBackground(true);
        paintRole(this, QPalette::Window, ole);
    }
    virtual void paintForeColor(LONG ole) { paintRole(this, QPalette::WindowText, ole); }

private:
    TwipsGeometry geometry_;
    LONG back_ = static_cast<LONG>(0x8000000F);
    LONG fore_ = static_cast<LONG>(0x80000012);
};

} // namespace platform
