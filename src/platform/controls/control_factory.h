#pragma once
// Control kinds made outside this layer (the skinned button): the layout loader asks the
// factory registered for a kind to make its widget from the control's layout entry.
#include <QJsonObject>
#include <QString>

#include <functional>

class QWidget;

namespace platform {

using ControlFactory = std::function<QWidget*(QWidget* parent, const QJsonObject& control)>;

// Replaces the factory of a kind (empty removes it).
void registerControlFactory(const QString& kind, ControlFactory factory);
ControlFactory controlFactory(const QString& kind);   // empty when none is registered

} // namespace platform
