#include "platform/error.h"
#include "platform/http/http_reply_reader.h"
#include "platform/http/xml_http_request.h"
#include "support/http_test_server.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using platform::XmlHttpRequest;
using testsupport::HttpTestServer;

namespace {
QString address(int port, const char* path = "/kestrine/v.txt")
{
    return "http://127.0.0.1:" + QString::number(port) + path;
}

// Opens as the update check does and sends; the time Send took, in milliseconds.
qint64 send(XmlHttpRequest& http, int port, bool* failed = nullptr)
{
    http.Open("Get", address(port), false);
    http.setRequestHeader("If-Modified-Since", "0");
    http.setRequestHeader("Cache-Control", "no-cache");
    QElapsedTimer clock;
    clock.start();
    try {
        http.Send();
    } catch (const platform::Error&) {
        if (failed)
            *failed = true;
    }
    return clock.elapsed();
}

// What a request makes of a reply sent as raw bytes by a server of its own: whether Send
// failed, how long it took, the body, and the requests that reached the server, counted a
// moment after Send, so that a copy sent late is counted too.
struct Outcome {
    bool failed = false;
    qint64 ms = 0;
    QByteArray body;
    qsizetype requests = 0;
};

Outcome sendFor(const QByteArray& reply)
{
    HttpTestServer server;
    server.answerWith([reply](const QByteArray&) { return reply; });
    XmlHttpRequest http;
    Outcome outcome;
    outcome.ms = send(http, server.port(), &outcome.failed);
    EXPECT_EQ(http.ReadyState(), outcome.failed ? 1 : 4);
    if (!outcome.failed)
        outcome.body = http.ResponseBody();
    QTest::qWait(300);
    outcome.requests = server.requests().size();
    return outcome;
}
} // namespace

TEST(XmlHttpRequest, SendsOneGetWithTheHeadersAndKeepsTheBodyBytes)
{
    HttpTestServer server;
    const QByteArray body = "2.1|http://x/a.rar|左边\r\n";
    server.answer(200, body);
    XmlHttpRequest http;
    EXPECT_EQ(http.ReadyState(), 0);
    bool failed = false;
    send(http, server.port(), &failed);

    EXPECT_FALSE(failed);
    EXPECT_EQ(http.ReadyState(), 4);
    EXPECT_EQ(http.ResponseBody(), body);
    const QList<QByteArray> requests = server.requests();
    ASSERT_EQ(requests.size(), 1);
    const QList<QByteArray> lines = requests[0].split('\n');
    EXPECT_EQ(lines[0], "GET /kestrine/v.txt HTTP/1.1\r");
    EXPECT_TRUE(lines.contains("If-Modified-Since: 0\r")) << requests[0].constData();
    EXPECT_TRUE(lines.contains("Cache-Control: no-cache\r")) << requests[0].constData();
}

TEST(XmlHttpRequest, AnErrorPageAndAnEmptyBodyAreCompleteReplies)
{
    HttpTestServer server;
    server.answer(404, "<html>Not Found</html>");
    XmlHttpRequest page;
    send(page, server.port());
    EXPECT_EQ(page.ReadyState(), 4);
    EXPECT_EQ(page.ResponseBody(), "<html>Not Found</html>");

    server.answer(200, "");
    XmlHttpRequest empty;
    send(empty, server.port());
    EXPECT_EQ(empty.ReadyState(), 4);
    EXPECT_TRUE(empty.ResponseBody().isEmpty());
}

TEST(XmlHttpRequest, ARefusedConnectionFailsAtOnceAndLeavesTheRequestOpened)
{
    XmlHttpRequest http;
    bool failed = false;
    const qint64 ms = send(http, HttpTestServer::refusingPort(), &failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(http.ReadyState(), 1);
    EXPECT_THROW(http.ResponseBody(), platform::Error);
    EXPECT_LT(ms, 1000);
}

// The calling thread only waits: a timer due at once does not run inside Send, and a server
// that never answers gives the thread back at the time limit.
TEST(XmlHttpRequest, ASilentServerFailsAtTheTimeLimitAndNothingElseRunsMeanwhile)
{
    HttpTestServer server;
    server.stayQuiet();
    bool ticked = false;
    QTimer::singleShot(0, [&ticked] { ticked = true; });
    XmlHttpRequest http;
    bool failed = false;
    const qint64 ms = send(http, server.port(), &failed);

    EXPECT_TRUE(failed);
    EXPECT_FALSE(ticked);
    EXPECT_EQ(http.ReadyState(), 1);
    EXPECT_GE(ms, XmlHttpRequest::kTimeLimitMs - 50);
    EXPECT_LT(ms, 5000);
    EXPECT_EQ(server.requests().size(), 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ticked);
}

TEST(XmlHttpRequest, RefusesWhatItCannotDo)
{
    XmlHttpRequest http;
    EXPECT_THROW(http.Send(), platform::Error);                       // not opened
    EXPECT_THROW(http.setRequestHeader("A", "b"), platform::Error);   // not opened
    EXPECT_THROW(http.Open("GET", address(1), true), platform::Error);   // asynchronous
    EXPECT_THROW(http.Open("GET", "file:///etc/passwd", false), platform::Error);
    EXPECT_THROW(http.Open("GET", "/kestrine/v.txt", false), platform::Error);
    EXPECT_THROW(http.Open("GET", address(1), false, "user", "secret"), platform::Error);
    EXPECT_THROW(http.Open("GET /x HTTP/1.0\r\n", address(1), false), platform::Error);
    EXPECT_EQ(http.ReadyState(), 0);

    // Nothing the caller gives ends a header line early.
    http.Open("Get", address(1), false);
    EXPECT_THROW(http.setRequestHeader("Cache-Control", "no-cache\r\nX-Injected: 1"), platform::Error);
    EXPECT_THROW(http.setRequestHeader("X: y", "z"), platform::Error);
    EXPECT_THROW(http.setRequestHeader("", "z"), platform::Error);
    EXPECT_NO_THROW(http.setRequestHeader("If-Modified-Since", "0"));
}

// The status is not examined: a client error, a proxy's refusal and a server error with a body
// are complete replies like any other.
TEST(XmlHttpRequest, EveryStatusWithItsBodyIsACompleteReply)
{
    HttpTestServer server;
    for (const int status : {400, 401, 403, 407, 410, 500, 503}) {
        SCOPED_TRACE(status);
        server.answer(status, "2.1|body of " + QByteArray::number(status));
        XmlHttpRequest http;
        bool failed = false;
        send(http, server.port(), &failed);
        EXPECT_FALSE(failed);
        EXPECT_EQ(http.ReadyState(), 4);
        EXPECT_EQ(http.ResponseBody(), "2.1|body of " + QByteArray::number(status));
    }
    EXPECT_EQ(server.requests().size(), 7);
}

// A request goes out once: a server that takes it and closes without a reply, or breaks off in
// the middle of one, gets no second copy, and the request fails at once.
TEST(XmlHttpRequest, AConnectionClosedBeforeTheReplyIsCompleteFailsAndNothingIsSentAgain)
{
    const QByteArray broken[] = {
        "",
        "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n",
        "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n2.1|x",
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\n2.1\r\n",
        "not a reply at all\r\n\r\n",
    };
    for (const QByteArray& reply : broken) {
        SCOPED_TRACE(reply.constData());
        const Outcome outcome = sendFor(reply);
        EXPECT_TRUE(outcome.failed);
        EXPECT_LT(outcome.ms, 1000);
        EXPECT_EQ(outcome.requests, 1);
    }
}

// The ways a server may frame its body: by length, in chunks, up to the end of the connection,
// after an interim reply.
TEST(XmlHttpRequest, ReadsTheBodyHoweverTheServerFramesIt)
{
    const struct {
        QByteArray reply;
        QByteArray body;
    } cases[] = {
        {"HTTP/1.1 200 OK\r\ncontent-length: 5\r\n\r\n2.1|xEXTRA", "2.1|x"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4;n=v\r\n2.1|\r\nA\r\nhttp://x/a\r\n0\r\nX-T: 1\r\n\r\n",
         "2.1|http://x/a"},
        {"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n2.1|until the end\r\n", "2.1|until the end\r\n"},
        {"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\n2.0", "2.0"},
        {"HTTP/1.1 204 No Content\r\n\r\n", ""},
        {"HTTP/1.1 200 OK\nContent-Length: 3\n\n2.0", "2.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply.constData());
        const Outcome outcome = sendFor(c.reply);
        EXPECT_FALSE(outcome.failed);
        EXPECT_EQ(outcome.body, c.body);
        EXPECT_EQ(outcome.requests, 1);
    }
}

// A moved version file is followed to where it went, a loop of moves is not followed for ever,
// and a move to anything but a web address is not followed at all.
TEST(XmlHttpRequest, FollowsAMovedFileToAWebAddressOnly)
{
    HttpTestServer server;
    server.answerWith([](const QByteArray& head) -> QByteArray {
        if (head.startsWith("GET /kestrine/v.txt "))
            return "HTTP/1.1 301 Moved\r\nLocation: /new/v.txt?a=1\r\nContent-Length: 0\r\n\r\n";
        return "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\n2.1";
    });
    XmlHttpRequest moved;
    send(moved, server.port());
    EXPECT_EQ(moved.ReadyState(), 4);
    EXPECT_EQ(moved.ResponseBody(), "2.1");
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_TRUE(server.requests()[1].startsWith("GET /new/v.txt?a=1 HTTP/1.1\r\n"));
    EXPECT_TRUE(server.requests()[1].contains("If-Modified-Since: 0\r\n"));

    const struct {
        QByteArray location;
        qsizetype requests;
    } notFollowed[] = {{"/kestrine/v.txt", 1 + XmlHttpRequest::kMaxMoves}, {"file:///etc/passwd", 1},
                       {"ftp://127.0.0.1/v.txt", 1}};
    for (const auto& [location, requests] : notFollowed) {
        SCOPED_TRACE(location.constData());
        const Outcome outcome =
            sendFor("HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: 0\r\n\r\n");
        EXPECT_TRUE(outcome.failed);
        EXPECT_EQ(outcome.requests, requests);
    }
}

// No server fills the memory: a reply announced, chunked or sent beyond the limit fails as soon
// as it says so, or as soon as it passes it.
TEST(XmlHttpRequest, AReplyLargerThanTheLimitFails)
{
    const QByteArray over = QByteArray::number(platform::HttpReplyReader::kMaxBody + 1);
    const QByteArray large(platform::HttpReplyReader::kMaxBody + 1, 'x');
    const QByteArray replies[] = {
        "HTTP/1.1 200 OK\r\nContent-Length: " + over + "\r\n\r\n2.1",
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + QByteArray::number(qlonglong(over.toLongLong()), 16)
            + "\r\n2.1",
        "HTTP/1.1 200 OK\r\n\r\n" + large,
        "HTTP/1.1 200 OK\r\nX-Long: " + large + "\r\n\r\n",
    };
    for (const QByteArray& reply : replies) {
        SCOPED_TRACE(reply.left(60).constData());
        const Outcome outcome = sendFor(reply);
        EXPECT_TRUE(outcome.failed);
        EXPECT_LT(outcome.ms, 2000);
    }
    EXPECT_EQ(sendFor("HTTP/1.1 200 OK\r\n\r\n" + large.left(large.size() - 1)).body.size(), large.size() - 1);
}
