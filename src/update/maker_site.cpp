#include "update/maker_site.h"

#include "platform/http/maker_host.h"

namespace update {
namespace {
const QString kRedirect = QStringLiteral("/plus/softurl.php?soft=kestrine&url=");
} // namespace

QString MakerWebAddress()
{
    return QStringLiteral("http://") + platform::makerHost();
}

QString VersionFileAddress()
{
    return MakerWebAddress() + QStringLiteral("/kestrine/v.txt");
}

QString DownloadDefault()
{
    return MakerWebAddress() + QStringLiteral("/kestrine/kestrine.rar");
}

QString HomePageAddress()
{
    return MakerWebAddress() + kRedirect + MakerWebAddress();
}

QString SoftwarePageAddress()
{
    return MakerWebAddress() + kRedirect + MakerWebAddress() + QStringLiteral("/kestrine");
}

} // namespace update
