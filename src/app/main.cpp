// Quillmere: the main window is the program; it ends when that window closes.
#include "mainwindow/fm_main.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/form.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    mainwindow::fmMain window;
    mainwindow::setMessageOwner(&window.form());
    window.Show();
    return app.exec();
}
