#pragma once
// The common dialog in its colour mode: Action 3 shows the colour chooser, which starts at
// Color when Flags holds 1 and leaves its answer in Color. A cancel with CancelError set fails
// with the cancel error; Color then keeps its value.
#include "platform/window/win_types.h"

#include <QColor>
#include <QJsonObject>
#include <QObject>

#include <functional>
#include <optional>

class QWidget;

namespace platform {

inline constexpr int cdlCancel = 32755;
inline constexpr int cdlCCRGBInit = 1;

// Who answers the chooser: the colour picked, or none for a cancel. Tests put their own
// answer here; the default asks the person through the toolkit's colour dialog.
using ColorChooser = std::function<std::optional<QColor>(QColor initial)>;
ColorChooser setColorChooserSeam(ColorChooser chooser);   // empty restores the default

class CommonDialog : public QObject {
public:
    explicit CommonDialog(QObject* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    bool CancelError() const { return cancelError_; }
    void setCancelError(bool on) { cancelError_ = on; }
    int Flags() const { return flags_; }
    void setFlags(int flags) { flags_ = flags; }
    LONG Color() const { return color_; }
    void setColor(LONG ole) { color_ = ole; }

    int Action() const { return action_; }
    void setAction(int action);   // 3: ShowColor; other actions are not offered
    void ShowColor();

private:
    bool cancelError_ = false;
    int flags_ = 0;
    int action_ = 0;
    LONG color_ = 0;
};

} // namespace platform
