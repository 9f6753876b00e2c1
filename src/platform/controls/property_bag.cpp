#include "platform/controls/property_bag.h"

#include "platform/controls/round_half_even.h"
#include "platform/error.h"

#include <QJsonObject>

#include <limits>

namespace platform {
namespace {

[[noreturn]] void mismatch(const char* what)
{
    throw Error(std::string("property bag: type mismatch: ") + what);
}

StdFont fontFromJson(const QJsonObject& o)
{
    StdFont f;
    f.Name = o.value("font").toString();
    f.Size = o.value("size").toDouble(f.Size);
    f.Charset = o.value("charset").toInt(f.Charset);
    f.Weight = o.value("weight").toInt(f.Weight);
    f.Italic = o.value("italic").toBool(false);
    f.Underline = o.value("underline").toBool(false);
    f.Strikethrough = o.value("strikethrough").toBool(false);
    return f;
}

QJsonObject fontToJson(const StdFont& f)
{
    return QJsonObject{{"font", f.Name},           {"size", f.Size},
                       {"charset", f.Charset},     {"weight", f.Weight},
                       {"italic", f.Italic},       {"underline", f.Underline},
                       {"strikethrough", f.Strikethrough}};
}

PropertyValue valueFromJson(const QJsonValue& v)
{
    switch (v.type()) {
    case QJsonValue::Null: return std::monostate{};
    case QJsonValue::Bool: return v.toBool();
    case QJsonValue::Double: return v.toDouble();
    case QJsonValue::String: return v.toString();
    case QJsonValue::Object: {
        const QJsonObject o = v.toObject();
        if (o.contains("picture")) {
            const QString path = o.value("picture").toString();
            return path.isEmpty() ? PicturePtr{} : Picture::LoadPicture(path);
        }
        if (o.contains("font"))
            return fontFromJson(o);
        break;
    }
    default: break;
    }
    mismatch("unknown value kind");
}

QJsonValue valueToJson(const PropertyValue& v)
{
    struct Visitor {
        QJsonValue operator()(std::monostate) const { return QJsonValue(QJsonValue::Null); }
        QJsonValue operator()(bool b) const { return b; }
        QJsonValue operator()(double d) const { return d; }
        QJsonValue operator()(const QString& s) const { return s; }
        QJsonValue operator()(const PicturePtr& p) const
        {
            return QJsonObject{{"picture", p ? p->source() : QString()}};
        }
        QJsonValue operator()(const StdFont& f) const { return fontToJson(f); }
    };
    return std::visit(Visitor{}, v);
}

double toNumber(const PropertyValue& v)
{
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? -1 : 0;
    if (const auto* s = std::get_if<QString>(&v)) {
        bool ok = false;
        const double d = s->trimmed().toDouble(&ok);
        if (ok)
            return d;
    }
    if (std::holds_alternative<std::monostate>(v))
        return 0;
    mismatch("not a number");
}

template <class Int>
Int toWhole(const PropertyValue& v)
{
    const double r = roundHalfEven(toNumber(v));
    if (r < std::numeric_limits<Int>::min() || r > std::numeric_limits<Int>::max())
        throw Error("property bag: overflow");
    return static_cast<Int>(r);
}

} // namespace

PropertyBag PropertyBag::fromJson(const QJsonValue& props)
{
    PropertyBag bag;
    if (props.isUndefined() || props.isNull())
        return bag;
    if (!props.isArray())
        mismatch("props is not an array");
    for (const QJsonValue& pair : props.toArray()) {
        const QJsonArray kv = pair.toArray();
        if (kv.size() != 2 || !kv.at(0).isString())
            mismatch("an entry is not a [key, value] pair");
        bag.WriteProperty(kv.at(0).toString(), valueFromJson(kv.at(1)));
    }
    return bag;
}

QJsonArray PropertyBag::toJson() const
{
    QJsonArray out;
    for (const auto& [key, value] : entries_)
        out.append(QJsonArray{key, valueToJson(value)});
    return out;
}

bool PropertyBag::contains(const QString& name) const
{
    const QString key = name.toLower();
    for (const auto& entry : entries_)
        if (entry.first == key)
            return true;
    return false;
}

PropertyValue PropertyBag::ReadProperty(const QString& name, const PropertyValue& defaultValue) const
{
    const QString key = name.toLower();
    for (const auto& [k, value] : entries_)
        if (k == key)
            return value;
    return defaultValue;
}

void PropertyBag::WriteProperty(const QString& name, const PropertyValue& value,
                                const std::optional<PropertyValue>& defaultValue)
{
    const QString key = name.toLower();
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->first == key) {
            entries_.erase(it);
            break;
        }
    }
    if (defaultValue && *defaultValue == value)
        return;
    entries_.append({key, value});
}

QStringList PropertyBag::keys() const
{
    QStringList out;
    for (const auto& entry : entries_)
        out << entry.first;
    return out;
}

bool toBool(const PropertyValue& v)
{
    if (const auto* b = std::get_if<bool>(&v))
        return *b;
    if (const auto* s = std::get_if<QString>(&v)) {
        if (s->compare("true", Qt::CaseInsensitive) == 0)
            return true;
        if (s->compare("false", Qt::CaseInsensitive) == 0)
            return false;
    }
    return toNumber(v) != 0;
}

LONG toLong(const PropertyValue& v) { return toWhole<LONG>(v); }
short toInteger(const PropertyValue& v) { return toWhole<short>(v); }

QString toText(const PropertyValue& v)
{
    if (const auto* s = std::get_if<QString>(&v))
        return *s;
    if (const auto* d = std::get_if<double>(&v))
        return QString::number(*d, 'g', 15);
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? QStringLiteral("True") : QStringLiteral("False");
    if (std::holds_alternative<std::monostate>(v))
        return {};
    mismatch("not text");
}

PicturePtr toPicture(const PropertyValue& v)
{
    if (const auto* p = std::get_if<PicturePtr>(&v))
        return *p;
    if (std::holds_alternative<std::monostate>(v))
        return {};
    mismatch("not a picture");
}

StdFont toFont(const PropertyValue& v)
{
    if (const auto* f = std::get_if<StdFont>(&v))
        return *f;
    mismatch("not a font");
}

} // namespace platform

