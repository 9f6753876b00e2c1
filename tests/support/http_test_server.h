#pragma once
// An HTTP server of the test's own on 127.0.0.1 (a free port), on a thread of its own, so that a
// request sent synchronously from the test's thread is answered meanwhile. It records every
// request it receives and answers each the way the test set.
#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace testsupport {

class HttpTestServer {
public:
    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    int port() const { return port_; }
    QString host() const { return "127.0.0.1:" + QString::number(port_); }   // host:port

    // Every request from now on gets this status and body.
    void answer(int status, const QByteArray& body);
    // Every request from now on is read and then never answered; the connection stays open.
    void stayQuiet();
    // Every request from now on gets the bytes the function makes of its head, sent as they are
    // (a whole reply, a part of one, or nothing at all), and then the connection is closed.
    using Script = std::function<QByteArray(const QByteArray& head)>;
    void answerWith(Script script);
    // Every request from now on is read and the connection closed without a byte of reply.
    void closeUnanswered();

    // The head of every request received (request line and headers), in order.
    QList<QByteArray> requests() const;

    // A port on 127.0.0.1 where nothing listens: a connection there is refused.
    static int refusingPort();

private:
    void serve();
    void handle(int connection);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    int status_ = 200;
    QByteArray body_;
    bool quiet_ = false;
    Script script_;
    QList<QByteArray> requests_;
    std::vector<int> held_;   // the connections left unanswered
    std::thread thread_;
};

} // namespace testsupport
