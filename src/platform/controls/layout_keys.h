#pragma once
// Reading the keys of one control of a window layout (assets/layout/*.json).
#include "platform/controls/control.h"
#include "platform/window/win_types.h"

#include <QFont>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace platform {

// {"name", "size", "bold", "italic", "underline", "weight"} over a starting font.
QFont fontFromJson(const QJsonObject& font, QFont base);

std::optional<LONG> oleKey(const QJsonObject& o, const char* key);
std::optional<QString> textKey(const QJsonObject& o, const char* key);
std::optional<int> intKey(const QJsonObject& o, const char* key);
bool boolKey(const QJsonObject& o, const char* key, bool fallback);

// The keys every visible control takes: name, index, place and size, visible, enabled,
// tooltip, font and colours.
template <class W>
void applyCommonKeys(Control<W>* c, const QJsonObject& o)
{
    c->setObjectName(o.value("name").toString());
    if (const auto index = intKey(o, "index"))
        c->setProperty(kIndexProperty, *index);
    c->Move(o.value("left").toDouble(), o.value("top").toDouble(), o.value("width").toDouble(),
            o.value("height").toDouble());
    if (o.contains("font"))
        c->setFont(fontFromJson(o.value("font").toObject(), c->font()));
    if (const auto back = oleKey(o, "backColor"))
        c->setBackColor(*back);
    if (const auto fore = oleKey(o, "foreColor"))
        c->setForeColor(*fore);
    if (const auto tip = textKey(o, "tooltip"))
        c->setToolTipText(*tip);
    c->setEnabled(boolKey(o, "enabled", true));
    c->setVisible(boolKey(o, "visible", true));
}

} // namespace platform
