#pragma once
// A form: a borderless top-level window with a message procedure. Load attaches the procedure
// and runs onLoad; Unload goes through the procedure as WM_CLOSE, runs onUnload and hides the
// window (a window that was shown closes, so the program ends with its last window).
#include "platform/controls/control.h"

#include <QJsonObject>
#include <QWidget>

#include <functional>

namespace platform {

// WindowState values.
inline constexpr int vbStateNormal = 0;
inline constexpr int vbMinimized = 1;
inline constexpr int vbMaximized = 2;

class Form : public Control<QWidget> {
public:
    explicit Form(QWidget* owner = nullptr);
    void applyLayout(const QJsonObject& form);

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    void setIcon(const QString& picturePath);

    int WindowState() const;
    void setWindowState(int state);

    // Attaches the window procedure (a fresh one each time the form is loaded) and runs
    // onLoad. Showing a form that is not loaded loads it first.
    void Load();
    bool isLoaded() const { return loaded_; }
    void Show();
    void Hide() { hide(); }
    // True once the window is on the screen and drawn there (its first expose handled).
    bool IsOnScreen() const;
    // Shows the form modally over owner and returns when it is hidden or unloaded.
    void ShowModal(QWidget* owner);
    // Sends WM_CLOSE through the window's procedure; the default procedure unloads.
    void Unload();

    std::function<void()> onLoad;
    std::function<void()> onUnload;
    // Asked before the form unloads; false keeps it loaded and shown.
    std::function<bool()> onQueryUnload;
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void unloaded();
    bool loaded_ = false;
    bool shownOnce_ = false;
};

} // namespace platform
