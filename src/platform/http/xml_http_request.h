#pragma once
// The HTTP request object the update check creates, with the operations it uses. Only
// synchronous requests: Send returns once the reply is complete or the request has failed, and
// meanwhile the calling thread does nothing else (no input, no timers, no painting). A request
// that takes longer than the time limit fails.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace platform {

class XmlHttpRequest {
public:
    static constexpr int kTimeLimitMs = 4000;

    // 0 before Open; 1 once opened, and still after a failed Send; 4 once a reply is complete.
    int ReadyState() const { return readyState_; }

    // The method's name in any letter case ("Get" goes out as GET), an http or https address.
    // Fails for an asynchronous request or an address that is not a web address.
    void Open(const QString& method, const QString& url, bool async, const QString& user = {},
              const QString& password = {});
    void setRequestHeader(const QString& name, const QString& value);   // fails before Open

    // Sends the request with no body and waits. Any complete reply counts, an error page
    // included (ReadyState 4); a refused connection, a host that cannot be reached and a
    // request over the time limit fail with ReadyState left at 1.
    void Send();

    QByteArray ResponseBody() const;   // fails before a complete reply

private:
    int readyState_ = 0;
    QByteArray method_;
    QString url_;
    QList<QPair<QByteArray, QByteArray>> headers_;
    QByteArray body_;
};

} // namespace platform
