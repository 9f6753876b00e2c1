#pragma once
// The property bag a user control is saved to and loaded from. Its stored form is the window
// layout's "props" array: [key, value] pairs in stored order, keys in lower case. Values are
// text, numbers, booleans, pictures ({"picture": path}) and fonts ({"font": name, ...}).
#include "platform/controls/picture.h"
#include "platform/controls/std_font.h"
#include "platform/window/win_types.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace platform {

using PropertyValue = std::variant<std::monostate, bool, double, QString, PicturePtr, StdFont>;

class PropertyBag {
public:
    PropertyBag() = default;

    // Fails on anything that is not an array of [key, value] pairs of the kinds above, and on a
    // picture that cannot be loaded.
    static PropertyBag fromJson(const QJsonValue& props);
    QJsonArray toJson() const;

    // Keys are compared without regard to case.
    bool contains(const QString& name) const;
    PropertyValue ReadProperty(const QString& name, const PropertyValue& defaultValue = {}) const;
    // Stores the value under the lower-case key, unless it equals the default.
    void WriteProperty(const QString& name, const PropertyValue& value,
                       const std::optional<PropertyValue>& defaultValue = std::nullopt);

    QStringList keys() const;

private:
    QList<std::pair<QString, PropertyValue>> entries_;
};

// Conversions of a read value to the type of the property; a value that does not convert
// fails with a type mismatch, a number out of range with an overflow.
bool toBool(const PropertyValue& v);
LONG toLong(const PropertyValue& v);
short toInteger(const PropertyValue& v);
QString toText(const PropertyValue& v);
PicturePtr toPicture(const PropertyValue& v);
StdFont toFont(const PropertyValue& v);

} // namespace platform
