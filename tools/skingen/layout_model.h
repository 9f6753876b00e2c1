#pragma once
// A window layout as it is written to assets/layout/<window>.json: the form and its controls in
// z-order, each an ordered set of keys. Places are twips relative to the container.
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QRect>
#include <QString>

#include <deque>

namespace skin {

constexpr int px(double pixels) { return static_cast<int>(pixels * 15 + 0.5); }

struct FontSpec {
    QString name = QStringLiteral("宋体");
    double size = 9;
    bool bold = false;
    bool underline = false;
};

inline FontSpec boldFont() { FontSpec f; f.bold = true; return f; }
inline FontSpec underlinedFont() { FontSpec f; f.underline = true; return f; }

class Control {
public:
    Control(QString kind, QString name, QString container, QRect twips);

    Control &set(const QString &key, const QJsonValue &value);
    Control &index(int i) { return set("index", i); }
    Control &hidden() { return set("visible", false); }
    Control &disabled() { return set("enabled", false); }
    Control &tip(const QString &t) { return set("tooltip", t); }
    Control &tab(int i) { return set("tabIndex", i); }
    Control &caption(const QString &c) { return set("caption", c); }
    Control &text(const QString &t) { return set("text", t); }
    Control &font(const FontSpec &f = {});
    Control &fore(int ole) { return set("foreColor", ole); }
    Control &back(int ole) { return set("backColor", ole); }
    Control &backStyle(int s) { return set("backStyle", s); }
    Control &border(int s) { return set("borderStyle", s); }
    Control &align(int a) { return set("alignment", a); }
    Control &picture(const QString &path) { return set("picture", path); }

    const QString &kind() const { return kind_; }
    const QString &name() const { return name_; }
    const QString &container() const { return container_; }
    QRect twips() const { return twips_; }
    QJsonValue value(const QString &key) const;
    bool has(const QString &key) const { return !value(key).isUndefined(); }
    QString toJsonLine() const;

private:
    QString kind_, name_, container_;
    QRect twips_;
    QList<QPair<QString, QJsonValue>> keys_;
};

class Layout {
public:
    Layout(QString formName, QString caption, int widthTwips, int heightTwips);

    Control &form() { return form_; }
    const Control &form() const { return form_; }
    Control &add(const QString &kind, const QString &name, const QString &container, QRect twips);
    // A skinned button sized to one frame of its strip, with the property bag every instance stores.
    Control &button(const QString &name, const QString &container, QPoint twipsAt, QSize framePx);

    const std::deque<Control> &controls() const { return controls_; }
    const Control *find(const QString &name, int index = -1) const;
    // Place in window pixels, through the container chain.
    QRectF absolutePx(const Control &c) const;
    QString toJson() const;
    // Names unique (but for control arrays), containers listed before their children.
    QStringList problems() const;

private:
    Control form_;
    std::deque<Control> controls_;
};

} // namespace skin
