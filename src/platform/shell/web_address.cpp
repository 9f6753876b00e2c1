#include "platform/shell/web_address.h"

#include <QUrl>

namespace platform {
namespace {
// Blanks and control characters, which a browser drops around an address.
bool isSpaceOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}
} // namespace

QString webAddressIn(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpaceOrControl(text[begin]))
        ++begin;
    while (end > begin && isSpaceOrControl(text[end - 1]))
        --end;
    const QString address = text.mid(begin, end - begin);

    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return address;
}

} // namespace platform
