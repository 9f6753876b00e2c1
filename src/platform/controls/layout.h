#pragma once
// A window's layout, loaded from its JSON description: every control made with its
// properties, in its container, in z-order (later above earlier) and tab order, and reachable
// by name, with the index for elements of a control array.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

class CommonDialog;
class ComboBox;
class FileListBox;
class Form;
class Frame;
class Image;
class ImageList;
class Label;
class Line;
class ListView;
class PictureBox;
class RichTextBox;
class TextBox;
class Timer;

class Layout {
public:
    // Each fails when the layout has no control of that name (and index) and kind.
    Label* label(const QString& name, int index = -1) const;
    TextBox* textBox(const QString& name, int index = -1) const;
    ComboBox* comboBox(const QString& name, int index = -1) const;
    ListView* listView(const QString& name, int index = -1) const;
    RichTextBox* richTextBox(const QString& name, int index = -1) const;
    PictureBox* pictureBox(const QString& name, int index = -1) const;
    Image* image(const QString& name, int index = -1) const;
    Frame* frame(const QString& name, int index = -1) const;
    Line* line(const QString& name, int index = -1) const;
    Timer* timer(const QString& name) const;
    FileListBox* fileListBox(const QString& name) const;
    CommonDialog* commonDialog(const QString& name) const;
    ImageList* imageList(const QString& name) const;
    // Any visible control, the factory-made ones (iButton) among them.
    QWidget* widget(const QString& name, int index = -1) const;

    QObject* object(const QString& name, int index = -1) const;   // fails when missing
    bool contains(const QString& name, int index = -1) const;
    // The indexes of a control array, in layout order (one element: [-1] for a plain control).
    QList<int> indexes(const QString& name) const;
    QString kindOf(const QString& name, int index = -1) const;

private:
    friend Layout LoadLayout(const QString&, Form&);
    static QString key(const QString& name, int index);
    template <class T>
    T* get(const QString& name, int index) const;

    QHash<QString, QPointer<QObject>> objects_;
    QHash<QString, QString> kinds_;
    QHash<QString, QList<int>> arrays_;
};

// Loads the layout at a resource or file path into the form: the form takes the layout's
// caption, size, icon and colour; the controls are made as its children. Fails for a file that
// cannot be read, a control of unknown kind or in an unknown container.
Layout LoadLayout(const QString& path, Form& form);

} // namespace platform
