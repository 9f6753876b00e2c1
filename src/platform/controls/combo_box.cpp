#include "platform/controls/combo_box.h"

#include "platform/controls/layout_keys.h"
#include "platform/error.h"

#include <QLineEdit>

namespace platform {

ComboBox::ComboBox(QWidget* parent, int style) : Control<QComboBox>(parent), style_(style)
{
    setEditable(style_ != 2);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    initColors(static_cast<LONG>(0x80000005), static_cast<LONG>(0x80000008));
    connect(this, &QComboBox::activated, this, [this] {
        if (onClick)
            onClick();
    });
}

void ComboBox::applyLayout(const QJsonObject& o)
{
    applyCommonKeys(this, o);
    if (style_ != 2)
        if (const auto text = textKey(o, "text"))
            setText(*text);
}

void ComboBox::AddItem(const QString& item)
{
    // The toolkit would choose the first entry added; the list chooses none until told.
    const bool none = currentIndex() < 0;
    const QString edit = isEditable() ? currentText() : QString();
    addItem(item);
    if (none) {
        setCurrentIndex(-1);
        if (isEditable())
            setEditText(edit);
    }
}

void ComboBox::Clear()
{
    clear();
    if (isEditable())
        clearEditText();
}

QString ComboBox::List(int index) const
{
    if (index < 0 || index >= count())
        throw Error("Invalid property array index");
    return itemText(index);
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        throw Error("Invalid property value");
    setCurrentIndex(index);
}

QString ComboBox::Text() const
{
    return isEditable() ? currentText() : (currentIndex() < 0 ? QString() : itemText(currentIndex()));
}

void ComboBox::setText(const QString& text)
{
    if (style_ != 2) {
        setEditText(text);
        return;
    }
    int found = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found < 0)
        found = findText(text, Qt::MatchFixedString);   // exact text, letter case aside
    if (found < 0)
        throw Error("'Text' property is read-only");
    setCurrentIndex(found);
}

void ComboBox::paintBackColor(LONG ole)
{
    paintRole(this, QPalette::Base, ole);
    paintRole(this, QPalette::Button, ole);
}

void ComboBox::paintForeColor(LONG ole)
{
    paintRole(this, QPalette::Text, ole);
    paintRole(this, QPalette::ButtonText, ole);
}

} // namespace platform
