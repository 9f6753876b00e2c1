#include "platform/controls/layout_keys.h"

#include <QJsonValue>

namespace platform {

QFont fontFromJson(const QJsonObject& font, QFont base)
{
    if (font.contains("name"))
        base.setFamily(font.value("name").toString());
    if (font.contains("size"))
        base.setPointSizeF(font.value("size").toDouble());
    if (font.contains("weight"))
        base.setWeight(QFont::Weight(font.value("weight").toInt()));
    if (font.value("bold").toBool())
        base.setBold(true);
    base.setItalic(font.value("italic").toBool());
    base.setUnderline(font.value("underline").toBool());
    return base;
}

std::optional<LONG> oleKey(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble())
        return std::nullopt;
    // Accept both the signed form and an unsigned &H800000nn written as a plain number.
    return static_cast<LONG>(static_cast<std::uint32_t>(static_cast<std::int64_t>(v.toDouble())));
}

std::optional<QString> textKey(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isString())
        return std::nullopt;
    return v.toString();
}

std::optional<int> intKey(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble())
        return std::nullopt;
    return v.toInt();
}

bool boolKey(const QJsonObject& o, const char* key, bool fallback)
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isBool() ? v.toBool() : fallback;
}

} // namespace platform
