#pragma once
// A frame: a captioned box that holds other controls.
#include "platform/controls/control.h"

#include <QGroupBox>
#include <QJsonObject>

namespace platform {

class Frame : public Control<QGroupBox> {
public:
    explicit Frame(QWidget* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    QString Caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }
};

} // namespace platform
