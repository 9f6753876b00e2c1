#include "platform/shell/web_address.h"

#include <QUrl>

#include <algorithm>

namespace platform {
namespace {
// Blanks of every kind, control characters, and the invisible ones that steer or hide text
// (zero-width marks, direction overrides, the byte-order mark): none belongs in an address.
bool isBlankOrControl(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}
} // namespace

bool isWebAddress(const QString& text)
{
    if (text.isEmpty() || std::any_of(text.begin(), text.end(), isBlankOrControl))
        return false;
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

} // namespace platform
