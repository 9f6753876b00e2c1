#include "platform/http/http_exchange.h"

#include "platform/error.h"
#include "platform/http/http_reply_reader.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#if QT_CONFIG(ssl)
#include <QSslSocket>
#endif

#include <algorithm>
#include <chrono>
#include <memory>

namespace platform {
namespace {
bool named(const HttpHeaders& headers, const QByteArray& name)
{
    return std::any_of(headers.begin(), headers.end(),
                       [&](const auto& header) { return header.first.compare(name, Qt::CaseInsensitive) == 0; });
}

std::unique_ptr<QTcpSocket> socketFor(const QUrl& url)
{
    if (url.scheme() != QLatin1String("https"))
        return std::make_unique<QTcpSocket>();
#if QT_CONFIG(ssl)
    if (QSslSocket::supportsSsl())
        return std::make_unique<QSslSocket>();
#endif
    throw Error("Secure connections are not available");
}

// Connects, sends the head once and reads until the reply is complete, the connection ends, or
// the deadline; empty when the reply is complete, else what went wrong.
QString run(QTcpSocket& socket, const QUrl& url, const QByteArray& head, HttpReplyReader& reader,
            QDeadlineTimer deadline)
{
    QEventLoop loop;
    bool ended = false;
    QString failure;
    const auto fail = [&](const QString& why) {
        if (ended)
            return;
        ended = true;
        failure = why.isEmpty() ? QStringLiteral("The request failed") : why;
        loop.quit();
    };
    const auto done = [&] {
        ended = true;
        loop.quit();
    };
    const auto read = [&] {
        try {
            reader.feed(socket.readAll());
            if (reader.complete() && !ended)
                done();
        } catch (const Error& e) {
            fail(QString::fromStdString(e.what()));
        }
    };

    const auto send = [&] { socket.write(head); };
    QObject::connect(&socket, &QIODevice::readyRead, &loop, read);
    QObject::connect(&socket, &QAbstractSocket::disconnected, &loop, [&] {
        read();
        try {
            reader.finish();
            if (!ended)
                done();
        } catch (const Error& e) {
            fail(QString::fromStdString(e.what()));
        }
    });
    // A close by the server is an end like any other: the reader tells whether the reply was whole.
    QObject::connect(&socket, &QAbstractSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::RemoteHostClosedError)
            fail(socket.errorString());
    });
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] { fail(QStringLiteral("The operation timed out")); });
    limit.start(std::chrono::milliseconds(std::max<qint64>(0, deadline.remainingTime())));

    const QString host = url.host(QUrl::FullyEncoded);
    const quint16 port = quint16(url.port(url.scheme() == QLatin1String("https") ? 443 : 80));
#if QT_CONFIG(ssl)
    if (auto* secure = qobject_cast<QSslSocket*>(&socket)) {
        QObject::connect(secure, &QSslSocket::encrypted, &loop, send);
        secure->connectToHostEncrypted(host, port);
    } else
#endif
    {
        QObject::connect(&socket, &QAbstractSocket::connected, &loop, send);
        socket.connectToHost(host, port);
    }
    if (!ended)
        loop.exec();
    socket.disconnect();
    socket.abort();
    return failure;
}
} // namespace

QByteArray requestHead(const QByteArray& method, const QUrl& url, const HttpHeaders& headers)
{
    QByteArray target = url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (!target.startsWith('/'))
        target.prepend('/');
    QByteArray head = method + ' ' + target + " HTTP/1.1\r\n";
    head += "Host: " + url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1() + "\r\n";
    for (const auto& [name, value] : headers)
        head += name + ": " + value + "\r\n";
    // One request per connection: the server closes it once it has answered.
    const HttpHeaders added = {{"Connection", "close"}, {"Accept", "*/*"},
                               {"User-Agent", "Mozilla/5.0 (compatible; Quillmere 2.0)"}};
    for (const auto& [name, value] : added)
        if (!named(headers, name))
            head += name + ": " + value + "\r\n";
    return head + "\r\n";
}

HttpReply exchange(const QByteArray& method, const QUrl& url, const HttpHeaders& headers,
                   QDeadlineTimer deadline)
{
    const std::unique_ptr<QTcpSocket> socket = socketFor(url);
    HttpReplyReader reader(method == "HEAD");
    const QString failure = run(*socket, url, requestHead(method, url, headers), reader, deadline);
    if (!failure.isEmpty())
        throw Error(failure.toStdString());
    return {reader.status(), reader.header("Location"), reader.body()};
}

} // namespace platform
