#include "platform/http/xml_http_request.h"

#include "platform/error.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <memory>

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

// An HTTP status came back: the reply is complete whatever the status says.
bool answeredByServer(QNetworkReply::NetworkError error)
{
    return error == QNetworkReply::NoError
        || (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

struct Exchange {
    bool complete = false;
    QByteArray body;
    QString failure;
};

// One request and its reply, run on a thread of its own with its own event loop, so that the
// caller's thread only waits for it. Ends at the latest when the time limit is over.
Exchange exchange(const QNetworkRequest& request, const QByteArray& method)
{
    Exchange result;
    QNetworkAccessManager manager;
    const std::unique_ptr<QNetworkReply> reply(
        method == "GET" ? manager.get(request) : manager.sendCustomRequest(request, method));

    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(XmlHttpRequest::kTimeLimitMs);
    if (!reply->isFinished())
        loop.exec();

    if (!reply->isFinished()) {
        reply->abort();
        result.failure = QStringLiteral("The operation timed out");
        return result;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || !answeredByServer(reply->error())) {
        result.failure = reply->errorString();
        return result;
    }
    result.complete = true;
    result.body = reply->readAll();
    return result;
}
} // namespace

void XmlHttpRequest::Open(const QString& method, const QString& url, bool async, const QString& user,
                          const QString& password)
{
    if (async)
        throw Error("Only synchronous requests are supported");
    QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || address.host().isEmpty()
        || (address.scheme() != QLatin1String("http") && address.scheme() != QLatin1String("https")))
        throw Error("The address is not a web address: " + url.toStdString());
    if (!user.isEmpty()) {
        address.setUserName(user);
        address.setPassword(password);
    }
    method_ = methodName(method);
    url_ = address.toString();
    headers_.clear();
    body_.clear();
    readyState_ = 1;
}

void XmlHttpRequest::setRequestHeader(const QString& name, const QString& value)
{
    if (readyState_ != 1)
        throw Error("The request is not opened");
    headers_.append({name.toLatin1(), value.toLatin1()});
}

void XmlHttpRequest::Send()
{
    if (readyState_ != 1)
        throw Error("The request is not opened");
    QNetworkRequest request{QUrl(url_)};
    for (const auto& [name, value] : headers_)
        request.setRawHeader(name, value);

    Exchange result;
    const std::unique_ptr<QThread> worker(QThread::create([&] { result = exchange(request, method_); }));
    worker->start();
    worker->wait();

    if (!result.complete)
        throw Error(result.failure.toStdString());
    body_ = result.body;
    readyState_ = 4;
}

QByteArray XmlHttpRequest::ResponseBody() const
{
    if (readyState_ != 4)
        throw Error("The reply is not complete");
    return body_;
}

} // namespace platform
