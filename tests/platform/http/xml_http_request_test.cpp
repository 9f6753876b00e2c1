#include "platform/error.h"
#include "platform/http/xml_http_request.h"
#include "support/http_test_server.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
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
    EXPECT_EQ(http.ReadyState(), 0);
}
