#include "platform/controls/form.h"

#include "platform/controls/font_substitution.h"
#include "platform/controls/layout_keys.h"
#include "platform/controls/modal.h"
#include "platform/window/window_proc.h"

#include <QEvent>
#include <QIcon>
#include <QWindow>

namespace platform {

Form::Form(QWidget* owner) : Control<QWidget>(owner, Qt::Window | Qt::FramelessWindowHint)
{
    installFontSubstitutions();
    setAutoFillBackground(true);
    initColors(static_cast<LONG>(0x8000000F), static_cast<LONG>(0x80000012));
}

void Form::applyLayout(const QJsonObject& form)
{
    setObjectName(form.value("name").toString());
    setCaption(form.value("caption").toString());
    setWidth(form.value("width").toDouble());
    setHeight(form.value("height").toDouble());
    if (const auto back = oleKey(form, "backColor"))
        setBackColor(*back);
    if (const auto icon = textKey(form, "icon"))
        setIcon(*icon);
}

void Form::setIcon(const QString& picturePath)
{
    setWindowIcon(QIcon(picturePath));
}

int Form::WindowState() const
{
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized)
        return vbMinimized;
    if (s & Qt::WindowMaximized)
        return vbMaximized;
    return vbStateNormal;
}

void Form::setWindowState(int state)
{
    const Qt::WindowState s = state == vbMinimized ? Qt::WindowMinimized
                              : state == vbMaximized ? Qt::WindowMaximized
                                                     : Qt::WindowNoState;
    QWidget::setWindowState(s);
}

void Form::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    attachWindow(this, WindowHooks{[this] { unloaded(); }, [this] { return !onQueryUnload || onQueryUnload(); }});
    if (onLoad)
        onLoad();
}

void Form::Show()
{
    Load();
    if (loaded_)
        show();
}

bool Form::IsOnScreen() const
{
    const QWindow* window = windowHandle();
    return window && window->isExposed();
}

void Form::ShowModal(QWidget* owner)
{
    Load();
    if (loaded_)
        showModal(this, owner);
}

void Form::Unload()
{
    if (!loaded_)
        return;
    SendMessage(hWnd(), WM_CLOSE, 0, 0);
}

void Form::unloaded()
{
    loaded_ = false;
    if (onUnload)
        onUnload();
    // A shown window closes (the program ends with its last one); the close itself passes the
    // procedure, which lets it through while the window unloads.
    if (isVisible())
        close();
    hide();
}

void Form::resizeEvent(QResizeEvent* e)
{
    Control<QWidget>::resizeEvent(e);
    if (onResize)
        onResize();
}

void Form::changeEvent(QEvent* e)
{
    Control<QWidget>::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && onResize)
        onResize();
}

} // namespace platform
