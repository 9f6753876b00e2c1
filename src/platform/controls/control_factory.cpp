#include "platform/controls/control_factory.h"

#include <QHash>

namespace platform {
namespace {
QHash<QString, ControlFactory>& factories()
{
    static QHash<QString, ControlFactory> f;
    return f;
}
} // namespace

void registerControlFactory(const QString& kind, ControlFactory factory)
{
    if (factory)
        factories().insert(kind, std::move(factory));
    else
        factories().remove(kind);
}

ControlFactory controlFactory(const QString& kind)
{
    return factories().value(kind);
}

} // namespace platform
