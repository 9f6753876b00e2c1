// Quillmere: the main window is the program; it ends when that window closes.
#include "mainwindow/fm_main.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/form.h"
#include "platform/controls/toolkit_language.h"
#include "update/link_labels.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace {
void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::installToolkitTranslation();   // the colour chooser and every dialog Qt draws in Chinese
    mainwindow::fmMain window;
    mainwindow::setMessageOwner(&window.form());
    update::Attach(window);   // the link labels, and the update check of the start-up tick

    // Unloading the main window ends the program whatever else is left: the message dialog,
    // hidden between uses, never keeps it running.
    std::function<void()> unload = window.form().onUnload;
    window.form().onUnload = [unload] {
        if (unload)
            unload();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    };

    window.form().Load();   // sizes the window, so that it can be centred before it shows
    centreOnScreen(window.form());
    window.Show();
    return app.exec();
}
