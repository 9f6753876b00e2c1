#include "platform/http/maker_host.h"

#ifndef QM_MAKER_HOST
#error "the build gives the maker's web host as QM_MAKER_HOST"
#endif

namespace platform {
namespace {
QString& replaced()
{
    static QString host;
    return host;
}
} // namespace

QString makerHost()
{
    const QString& host = replaced();
    return host.isEmpty() ? QStringLiteral(QM_MAKER_HOST) : host;
}

void setMakerHost(const QString& host)
{
    replaced() = host;
}

} // namespace platform
