#pragma once
// A label: a caption in the form's face, also used as a colour swatch, a link and a hidden
// holder of window state.
#include "platform/controls/label_lines.h"
#include "platform/controls/mouse_control.h"

#include <QJsonObject>
#include <QLabel>


namespace platform {

class Label : public MouseControl<QLabel> {
public:
    explicit Label(QWidget* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    int BackStyle() const { return backStyle_; }   // 0 transparent, 1 opaque
    void setBackStyle(int style);
    int Alignment() const { return alignment_; }   // 0 left, 1 right, 2 centre
    void setAlignment(int alignment);
    int BorderStyle() const { return borderStyle_; }   // 0 none, 1 single line
    void setBorderStyle(int style);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool underline);

    // A wrapping caption breaks a word too wide for the box anywhere in it, rather than cutting
    // it short: for captions that hold long names and must be read whole.
    void setBreakLongWords(bool breaks);
    // The height in pixels the box needs at its width to show the whole caption.
    int CaptionHeight() const;

protected:
    void paintBackColor(LONG ole) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void showCaption();   // what of the caption the box holds
    QString shownCaption() const;
    Wrap wrap() const;

    bool breakLongWords_ = false;
    QString caption_;
    int backStyle_ = 1;
    int alignment_ = 0;
    int borderStyle_ = 0;
};

} // namespace platform
