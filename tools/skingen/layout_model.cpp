#include "layout_model.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace skin {
namespace {

QString compact(const QJsonValue &v)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(wrapped.mid(1, wrapped.size() - 2));
}

QJsonObject fontObject(const FontSpec &f)
{
    return QJsonObject{{"name", f.name},         {"size", f.size},           {"bold", f.bold},
                       {"italic", false},        {"underline", f.underline}, {"charset", 134},
                       {"weight", f.bold ? 700 : 400}};
}

} // namespace

Control::Control(QString kind, QString name, QString container, QRect twips)
    : kind_(std::move(kind)), name_(std::move(name)), container_(std::move(container)), twips_(twips)
{
}

Control &Control::set(const QString &key, const QJsonValue &value)
{
    for (auto &kv : keys_) {
        if (kv.first == key) {
            kv.second = value;
            return *this;
        }
    }
    keys_.append({key, value});
    return *this;
}

Control &Control::font(const FontSpec &f)
{
    return set("font", fontObject(f));
}

QJsonValue Control::value(const QString &key) const
{
    for (const auto &kv : keys_)
        if (kv.first == key)
            return kv.second;
    return QJsonValue(QJsonValue::Undefined);
}

QString Control::toJsonLine() const
{
    QStringList parts;
    parts << QStringLiteral("\"kind\": %1").arg(compact(kind_)) << QStringLiteral("\"name\": %1").arg(compact(name_));
    const QJsonValue idx = value("index");
    if (!idx.isUndefined())
        parts << QStringLiteral("\"index\": %1").arg(compact(idx));
    parts << QStringLiteral("\"container\": %1").arg(compact(container_))
          << QStringLiteral("\"left\": %1, \"top\": %2, \"width\": %3, \"height\": %4")
                 .arg(twips_.x()).arg(twips_.y()).arg(twips_.width()).arg(twips_.height());
    for (const auto &kv : keys_)
        if (kv.first != "index")
            parts << QStringLiteral("%1: %2").arg(compact(kv.first), compact(kv.second));
    return "{ " + parts.join(", ") + " }";
}

Layout::Layout(QString formName, QString caption, int widthTwips, int heightTwips)
    : form_("Form", formName, QString(), QRect(0, 0, widthTwips, heightTwips))
{
    form_.caption(caption);
}

Control &Layout::add(const QString &kind, const QString &name, const QString &container, QRect twips)
{
    controls_.emplace_back(kind, name, container, twips);
    return controls_.back();
}

Control &Layout::button(const QString &name, const QString &container, QPoint twipsAt, QSize framePx)
{
    const int w = framePx.width() * 15, h = framePx.height() * 15;
    QJsonArray props;
    props.append(QJsonArray{"_extentx", w});
    props.append(QJsonArray{"_extenty", h});
    props.append(QJsonArray{"backpicture", QJsonObject{{"picture", ":/skins/buttons/" + name + ".jpg"}}});
    props.append(QJsonArray{"cfont", QJsonObject{{"font", "宋体"}, {"size", 9}, {"charset", 134}, {"weight", 400},
                                                  {"italic", false}, {"underline", false},
                                                  {"strikethrough", false}}});
    props.append(QJsonArray{"cdrawmode", 13});
    props.append(QJsonArray{"cforecolor", -2147483630});
    return add("iButton", name, container, QRect(twipsAt, QSize(w, h))).set("props", props);
}

const Control *Layout::find(const QString &name, int index) const
{
    for (const Control &c : controls_) {
        if (c.name() != name)
            continue;
        const QJsonValue idx = c.value("index");
        if (index < 0 || (!idx.isUndefined() && idx.toInt() == index))
            return &c;
    }
    return nullptr;
}

QRectF Layout::absolutePx(const Control &c) const
{
    QRectF r(c.twips().x() / 15.0, c.twips().y() / 15.0, c.twips().width() / 15.0, c.twips().height() / 15.0);
    const Control *parent = c.container() == form_.name() ? nullptr : find(c.container());
    while (parent) {
        r.translate(parent->twips().x() / 15.0, parent->twips().y() / 15.0);
        parent = parent->container() == form_.name() ? nullptr : find(parent->container());
    }
    return r;
}

QString Layout::toJson() const
{
    QStringList form{QStringLiteral("\"name\": %1").arg(compact(form_.name())),
                     QStringLiteral("\"caption\": %1").arg(compact(form_.value("caption"))),
                     QStringLiteral("\"width\": %1, \"height\": %2").arg(form_.twips().width()).arg(form_.twips().height())};
    for (const QString key : {"icon", "backColor"})
        if (form_.has(key))
            form << QStringLiteral("\"%1\": %2").arg(key, compact(form_.value(key)));
    QString out = "{\n  \"form\": { " + form.join(", ") + " },\n  \"controls\": [\n";
    for (size_t i = 0; i < controls_.size(); ++i)
        out += "    " + controls_[i].toJsonLine() + (i + 1 < controls_.size() ? ",\n" : "\n");
    out += "  ]\n}\n";
    return out;
}

QStringList Layout::problems() const
{
    QStringList out;
    QSet<QString> seen, containers{form_.name()};
    for (const Control &c : controls_) {
        const bool array = c.has("index");
        const QString key = array ? c.name() + "(" + QString::number(c.value("index").toInt()) + ")" : c.name();
        if (seen.contains(key) || (!array && seen.contains(c.name() + "(0)")))
            out << "duplicate name " + key;
        seen.insert(key);
        if (!containers.contains(c.container()))
            out << c.name() + ": container " + c.container() + " not listed before it";
        if (c.kind() == "PictureBox" || c.kind() == "Frame")
            containers.insert(c.name());
    }
    return out;
}

} // namespace skin
