#include "support/http_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace testsupport {
namespace {
int boundSocket(int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error("no socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot bind on 127.0.0.1");
    }
    port = ntohs(address.sin_port);
    return fd;
}

const char* reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 407: return "Proxy Authentication Required";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

void sendAll(int fd, const QByteArray& bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += n;
    }
}
} // namespace

HttpTestServer::HttpTestServer()
{
    listener_ = boundSocket(port_);
    if (::listen(listener_, 8) != 0)
        throw std::runtime_error("cannot listen");
    thread_ = std::thread([this] { serve(); });
}

HttpTestServer::~HttpTestServer()
{
    stopping_ = true;
    thread_.join();
    for (const int fd : held_)
        ::close(fd);
    ::close(listener_);
}

void HttpTestServer::answer(int status, const QByteArray& body)
{
    const std::lock_guard lock(mutex_);
    status_ = status;
    body_ = body;
    quiet_ = false;
    script_ = {};
}

void HttpTestServer::stayQuiet()
{
    const std::lock_guard lock(mutex_);
    quiet_ = true;
    script_ = {};
}

void HttpTestServer::answerWith(Script script)
{
    const std::lock_guard lock(mutex_);
    quiet_ = false;
    script_ = std::move(script);
}

void HttpTestServer::closeUnanswered()
{
    answerWith([](const QByteArray&) { return QByteArray(); });
}

QList<QByteArray> HttpTestServer::requests() const
{
    const std::lock_guard lock(mutex_);
    return requests_;
}

int HttpTestServer::refusingPort()
{
    int port = 0;
    ::close(boundSocket(port));
    return port;
}

void HttpTestServer::serve()
{
    while (!stopping_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, 20) <= 0)
            continue;
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0)
            handle(connection);
    }
}

// Reads the request's head (no request of the program carries a body) and answers it.
void HttpTestServer::handle(int connection)
{
    QByteArray head;
    char buffer[4096];
    while (!head.contains("\r\n\r\n") && !stopping_) {
        pollfd readable{connection, POLLIN, 0};
        if (::poll(&readable, 1, 20) <= 0)
            continue;
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        head.append(buffer, n);
    }

    const std::lock_guard lock(mutex_);
    requests_.append(head.left(head.indexOf("\r\n\r\n")));
    if (quiet_) {
        held_.push_back(connection);
        return;
    }
    if (script_) {
        sendAll(connection, script_(head));
        ::close(connection);
        return;
    }
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(status_) + " " + reason(status_) + "\r\n"
                     + "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(body_.size())
                     + "\r\nConnection: close\r\n\r\n" + body_;
    sendAll(connection, reply);
    ::close(connection);
}

} // namespace testsupport
