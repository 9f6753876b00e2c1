#pragma once
// A one-line text box: the title, the search keyword, a category name.
#include "platform/controls/control.h"
#include "platform/controls/ole_drag_drop.h"

#include <QJsonObject>
#include <QLineEdit>

#include <functional>

namespace platform {

class TextBox : public OLEDropControl<Control<QLineEdit>> {
public:
    explicit TextBox(QWidget* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    QString Text() const { return text(); }
    void setText(const QString& text);

    bool Locked() const { return isReadOnly(); }
    void setLocked(bool locked) { setReadOnly(locked); }
    int MaxLength() const { return maxLength_; }   // 0: no limit
    void setMaxLength(int length);

    int SelStart() const;
    void setSelStart(int start);   // puts the caret there; nothing stays selected
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const { return selectedText(); }

    // Raised synchronously by every change of the text, the program's own included.
    std::function<void()> onChange;

protected:
    void paintBackColor(LONG ole) override;
    void paintForeColor(LONG ole) override;

private:
    int maxLength_ = 0;
};

} // namespace platform
