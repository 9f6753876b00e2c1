#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Quillmere");
    window.resize(960, 660);
    window.show();
    return app.exec();
}
