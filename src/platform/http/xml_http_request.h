#pragma once
// The HTTP request object the update check creates, with the operations it uses. Only
// synchronous requests: Send returns once the reply is complete or the request has failed, and
// meanwhile the calling thread does nothing else (no input, no timers, no painting). A request
// that takes longer than the time limit fails. A request is never sent twice: one that fails
// stays failed.
#include "platform/http/http_exchange.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace platform {

class XmlHttpRequest {
public:
    static constexpr int kTimeLimitMs = 4000;
    static constexpr int kMaxMoves = 10;   // of a file moved on from address to address

    // 0 before Open; 1 once opened, and still after a failed Send; 4 once a reply is complete.
    int ReadyState() const { return readyState_; }

    // The method's name in any letter case ("Get" goes out as GET), an http or https address.
    // Fails for an asynchronous request, a user name or password, or an address that is not a
    // web address.
    void Open(const QString& method, const QString& url, bool async, const QString& user = {},
              const QString& password = {});
    // Fails before Open, and for a name or value that would break the request's head.
    void setRequestHeader(const QString& name, const QString& value);

    // Sends the request with no body and waits. Any complete reply counts, whatever its status
    // (ReadyState 4); a file that moved is followed to its new web address. A refused
    // connection, a host that cannot be reached, a connection that ends before the reply is
    // complete and a request over the time limit fail with ReadyState left at 1.
    void Send();

    QByteArray ResponseBody() const;   // fails before a complete reply

private:
    int readyState_ = 0;
    QByteArray method_;
    QUrl url_;
    HttpHeaders headers_;
    QByteArray body_;
};

} // namespace platform
