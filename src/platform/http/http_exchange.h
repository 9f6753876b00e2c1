#pragma once
// One HTTP/1.1 request sent over a connection of its own, and its reply read. The request goes
// out once: a connection that ends before the reply is complete fails the exchange and nothing is
// sent again. Runs in the calling thread, with an event loop of its own.
#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QPair>
#include <QUrl>

namespace platform {

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

struct HttpReply {
    int status = 0;
    QByteArray location;   // the Location header, empty without one
    QByteArray body;
};

// The request's head as it goes out: the request line, the host, the caller's headers and those
// the program adds when the caller gives none of the name.
QByteArray requestHead(const QByteArray& method, const QUrl& url, const HttpHeaders& headers);

// Fails when no connection can be made (or no secure one, for https), when the connection ends
// before the reply is complete, for what is no HTTP reply, and at the deadline.
HttpReply exchange(const QByteArray& method, const QUrl& url, const HttpHeaders& headers,
                   QDeadlineTimer deadline);

} // namespace platform
