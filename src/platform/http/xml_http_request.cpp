#include "platform/http/xml_http_request.h"

#include "platform/error.h"
#include "platform/http/http_exchange.h"

#include <QThread>

#include <memory>
#include <optional>

namespace platform {
namespace {
// Servers know the standard methods only in capitals.
QByteArray methodName(const QString& method)
{
    static const char* const standard[] = {"GET", "HEAD", "POST", "PUT", "DELETE", "OPTIONS"};
    const QByteArray upper = method.toUpper().toLatin1();
    for (const char* name : standard)
        if (upper == name)
            return upper;
    return method.toLatin1();
}

bool isWebUrl(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

// A text that would end the header line or the head early.
bool breaksTheHead(const QByteArray& text)
{
    return text.contains('\r') || text.contains('\n') || text.contains('\0');
}

// Where a reply sends the request on to: the address its Location names, for a file that moved;
// nothing for every other reply, which is the one the request gets.
std::optional<QUrl> movedTo(const QUrl& asked, const HttpReply& reply)
{
    static const int moves[] = {301, 302, 303, 307, 308};
    if (reply.location.isEmpty() || std::find(std::begin(moves), std::end(moves), reply.status) == std::end(moves))
        return std::nullopt;
    const QUrl next = asked.resolved(QUrl::fromEncoded(reply.location));
    // Never on to a local file or another scheme, and never from a secure address to a plain one.
    if (!isWebUrl(next) || !next.userInfo().isEmpty()
        || (asked.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https")))
        throw Error("The reply moves the file to an address that is not followed: "
                    + reply.location.left(200).toStdString());
    return next;
}

// The reply to the request, the file followed where it moved, all within the time limit. Each
// request goes out once.
HttpReply fetch(QByteArray method, QUrl url, const HttpHeaders& headers)
{
    const QDeadlineTimer deadline(XmlHttpRequest::kTimeLimitMs, Qt::PreciseTimer);
    for (int moves = 0;; ++moves) {
        const HttpReply reply = exchange(method, url, headers, deadline);
        const std::optional<QUrl> next = movedTo(url, reply);
        if (!next)
            return reply;
        if (moves == XmlHttpRequest::kMaxMoves)
            throw Error("The file moved too many times");
        if (reply.status == 303 && method != "HEAD")
            method = "GET";
        url = *next;
    }
}
} // namespace

void XmlHttpRequest::Open(const QString& method, const QString& url, bool async, const QString& user,
                          const QString& password)
{
    if (async)
        throw Error("Only synchronous requests are supported");
    const QUrl address(url, QUrl::StrictMode);
    if (!isWebUrl(address))
        throw Error("The address is not a web address: " + url.toStdString());
    if (!user.isEmpty() || !password.isEmpty())
        throw Error("Signing in to a web host is not supported");
    const QByteArray name = methodName(method);
    if (name.isEmpty() || name.contains(' ') || breaksTheHead(name))
        throw Error("The method is no method: " + method.toStdString());
    method_ = name;
    url_ = address;
    headers_.clear();
    body_.clear();
    readyState_ = 1;
}

void XmlHttpRequest::setRequestHeader(const QString& name, const QString& value)
{
    if (readyState_ != 1)
        throw Error("The request is not opened");
    const QByteArray header = name.toLatin1();
    const QByteArray text = value.toLatin1();
    if (header.isEmpty() || header.contains(':') || header.contains(' ') || breaksTheHead(header)
        || breaksTheHead(text))
        throw Error("The header cannot be sent: " + name.toStdString());
    headers_.append({header, text});
}

void XmlHttpRequest::Send()
{
    if (readyState_ != 1)
        throw Error("The request is not opened");

    // The exchange runs on a thread of its own, so that this thread only waits: it takes no
    // input, runs no timers and paints nothing meanwhile.
    std::optional<HttpReply> reply;
    std::string failure;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            reply = fetch(method_, url_, headers_);
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }));
    worker->start();
    worker->wait();

    if (!reply)
        throw Error(failure.empty() ? "The request failed" : failure);
    body_ = reply->body;
    readyState_ = 4;
}

QByteArray XmlHttpRequest::ResponseBody() const
{
    if (readyState_ != 4)
        throw Error("The reply is not complete");
    return body_;
}

} // namespace platform
