#pragma once
// A combo box. Style 2 is a drop-down list: its text is always one of its entries, and a text
// it does not hold is refused with a platform::Error.
#include "platform/controls/control.h"

#include <QComboBox>
#include <QJsonObject>

#include <functional>

namespace platform {

class ComboBox : public Control<QComboBox> {
public:
    explicit ComboBox(QWidget* parent = nullptr, int style = 0);
    void applyLayout(const QJsonObject& o);

    int Style() const { return style_; }   // 0 editable, 2 drop-down list

    void AddItem(const QString& item);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const;   // from 0; fails outside the list
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);    // -1 chooses none; fails outside the list

    QString Text() const;
    // Style 2: chooses the entry of that text (letter case aside; an exact spelling wins) or
    // fails. Other styles: the edit field takes the text.
    void setText(const QString& text);

    // An entry chosen by the user.
    std::function<void()> onClick;

protected:
    void paintBackColor(LONG ole) override;
    void paintForeColor(LONG ole) override;

private:
    int style_;
};

} // namespace platform
