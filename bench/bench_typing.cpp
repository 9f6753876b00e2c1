#include "bench_typing.h"

#include "bench_library.h"
#include "bench_window.h"

#include "platform/controls/rich_text_box.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTextCursor>

#include <vector>

namespace bench {
namespace {
constexpr int kKeys = 9;

void pressKey(QWidget* editor, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(editor, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(editor, &release);
}
} // namespace

double typeIntoLargeDocument(int megabytes, bool& ok)
{
    BenchLibrary library(0);
    QFile file(library.folder("txt/Bench/large.txt"));
    const QByteArray line = "A line of a large document, typed into at its middle.\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(line.repeated(megabytes * 1024 * 1024 / line.size())) < 0) {
        ok = false;
        return 0;
    }
    file.close();

    Started s = startUp();
    platform::RichTextBox& editor = *s.window->myTxt;
    const qsizetype before = editor.toPlainText().size();
    QTextCursor middle(editor.document());
    middle.setPosition(int(before / 2));
    editor.setTextCursor(middle);
    std::vector<double> keys;
    for (int i = 0; i < kKeys; ++i)
        keys.push_back(timed([&] { pressKey(&editor, Qt::Key_A, QStringLiteral("a")); }));
    ok &= editor.toPlainText().size() == before + kKeys;
    closeDown(s);
    return median(keys);
}

} // namespace bench
