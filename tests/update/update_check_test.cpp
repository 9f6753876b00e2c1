#include "update/update_window.h"

#include "platform/controls/form.h"
#include "update/update_check.h"
#include "update/update_reply.h"

#include <QFont>
#include <QStringEncoder>

#include <cstdio>

namespace {

using namespace testsupport;

constexpr int kTeal = 0x808000;
constexpr int kDarkRed = 0xC0;

class UpdateCheck : public UpdateWindowTest {
protected:
    void expectVerdict(const QString& caption, int colour, bool underline)
    {
        EXPECT_EQ(w().lbNewVersion->Caption(), caption);
        EXPECT_EQ(w().lbNewVersion->ForeColor(), colour);
        EXPECT_EQ(w().lbNewVersion->FontUnderline(), underline);
        EXPECT_EQ(w().lbNewVersion->font().underline(), underline);
    }

    // The check run again over a reply, in the same window.
    void checkAgain(const QByteArray& reply, int status = 200)
    {
        server.answer(status, reply);
        update::CheckUpdate(w());
    }
};

TEST_F(UpdateCheck, TheStartUpTickAsksOnceForTheVersionFileAndTakesTheSixFields)
{
    server.answer(200, "2.0|http://d.example/k.rar|左边的话|http://l.example/| right |http://r.example/");
    const qint64 held = startAndCheck();
    EXPECT_LT(held, 1000);
    std::printf("[ figures  ] reachable host: the check held the window %lld ms\n", static_cast<long long>(held));

    const QList<QByteArray> requests = server.requests();
    ASSERT_EQ(requests.size(), 1);
    const QList<QByteArray> lines = requests[0].split('\n');
    EXPECT_EQ(lines[0], "GET /kestrine/v.txt HTTP/1.1\r");
    EXPECT_TRUE(lines.contains("Host: " + server.host().toLatin1() + "\r"));
    EXPECT_TRUE(lines.contains("If-Modified-Since: 0\r"));
    EXPECT_TRUE(lines.contains("Cache-Control: no-cache\r"));

    EXPECT_EQ(captions(), QStringList({kUpToDate, "http://d.example/k.rar", QStringLiteral("左边的话"),
                                       "http://l.example/", " right ", "http://r.example/"}));
    expectVerdict(kUpToDate, kTeal, false);

    // Nothing asks again later.
    QTest::qWait(100);
    EXPECT_EQ(server.requests().size(), 1);
}

// The check holds the window while it waits, so it waits for the window to be on the screen.
TEST_F(UpdateCheck, TheStartUpTickWaitsForTheWindowToBeOnTheScreen)
{
    server.answer(200, "2.1");
    mainwindow::fmMain window;
    update::Attach(window);
    window.form().Load();
    QTest::qWait(100);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_TRUE(window.Timer1->Enabled());

    window.Show();
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window.Timer1->Enabled(); }, 5000));
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(window.lbNewVersion->Caption(), QStringLiteral("发现新版本2.1 点此下载"));
}

TEST_F(UpdateCheck, TheVersionAloneOffersItAndLeavesTheOtherLabelsAsDesigned)
{
    server.answer(200, "2.1");
    startAndCheck();
    expectVerdict(QStringLiteral("发现新版本2.1 点此下载"), kDarkRed, true);
    EXPECT_EQ(captions().mid(1), kDesignCaptions.mid(1));

    // A download address alone changes only its own label.
    checkAgain("2.1|http://d.example/k.rar");
    EXPECT_EQ(captions().mid(1), QStringList({"http://d.example/k.rar", "          ", "", "By Tarnwick", ""}));
}

// The verdict compares texts: only "2.0", blanks around it allowed, is the current version.
TEST_F(UpdateCheck, TheVerdictComparesTheVersionAsText)
{
    server.answer(200, "2.0");
    startAndCheck();
    const struct {
        QByteArray version;
        bool newer;
    } cases[] = {{" 2.0 ", false}, {"2.0", false}, {"2.00", true}, {"1.9", true}, {"2", true}, {" 3 ", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version.constData());
        checkAgain(c.version + "|u|l|lu|r|ru");
        if (c.newer)
            expectVerdict(QStringLiteral("发现新版本") + c.version + QStringLiteral(" 点此下载"), kDarkRed, true);
        else
            expectVerdict(kUpToDate, kTeal, false);
        EXPECT_EQ(captions().mid(1), QStringList({"u", "l", "lu", "r", "ru"}));
    }
}

// A word, an empty body, an error page and a version followed by a line break are no version
// file: the built-in texts and addresses, on the maker's host, and no download offered.
TEST_F(UpdateCheck, AReplyThatIsNoVersionFileGivesTheBuiltInTexts)
{
    server.answer(200, "");
    startAndCheck();
    const QStringList defaults = {kUpToDate,    site("/kestrine/kestrine.rar"), kLeftDefault,
                                  softwarePage(), "By Tarnwick",                homePage()};
    EXPECT_EQ(captions(), defaults);
    expectVerdict(kUpToDate, kTeal, false);

    const struct {
        QByteArray body;
        int status;
    } replies[] = {{"new|a|b|c|d|e", 200}, {"<html><body>Not Found</body></html>", 404},
                   {"2.1\n", 200}, {"|2.1", 200}, {"2.1.1|a", 200}};
    for (const auto& r : replies) {
        SCOPED_TRACE(r.body.constData());
        checkAgain("2.5|u|l|lu|r|ru");
        checkAgain(r.body, r.status);
        EXPECT_EQ(captions(), defaults);
        expectVerdict(kUpToDate, kTeal, false);
    }
}

TEST_F(UpdateCheck, BlankFieldsGiveTheirDefaultsAndNothingIsTrimmed)
{
    server.answer(200, "2.0|  |   ||\tright\t|http://r.example/\r\n|ignored");
    startAndCheck();
    EXPECT_EQ(captions(), QStringList({kUpToDate, "  ", kLeftDefault, softwarePage(), "\tright\t",
                                       "http://r.example/\r\n"}));

    checkAgain("2.0|u|l|lu|   |  ");
    EXPECT_EQ(captions().mid(4), QStringList({"By Tarnwick", homePage()}));
}

// Without a complete reply no label changes; the window is given back within the time limit.
TEST_F(UpdateCheck, ASilentServerHoldsTheWindowNoLongerThanTheLimitAndChangesNothing)
{
    server.stayQuiet();
    const qint64 held = startAndCheck();
    EXPECT_LT(held, 5000);
    EXPECT_EQ(captions(), kDesignCaptions);
    EXPECT_EQ(w().lbNewVersion->ForeColor(), 0x443830);
    EXPECT_EQ(server.requests().size(), 1);
    std::printf("[ figures  ] silent host: the check held the window %lld ms\n", static_cast<long long>(held));
}

TEST_F(UpdateCheck, ARefusedConnectionChangesNothingAndHoldsTheWindowBriefly)
{
    platform::setMakerHost("127.0.0.1:" + QString::number(HttpTestServer::refusingPort()));
    const qint64 held = startAndCheck();
    EXPECT_LT(held, 1000);
    EXPECT_EQ(captions(), kDesignCaptions);
    std::printf("[ figures  ] refused connection: the check held the window %lld ms\n",
                static_cast<long long>(held));
}

// The status is not examined: a refusal with a version file as its body still fills the labels.
TEST_F(UpdateCheck, AClientErrorOrAProxyRefusalWithAVersionFileIsTakenAsAReply)
{
    server.answer(400, "2.1|http://d.example/k.rar|l|http://l.example/|r|http://r.example/");
    startAndCheck();
    expectVerdict(QStringLiteral("发现新版本2.1 点此下载"), kDarkRed, true);
    EXPECT_EQ(captions().mid(1), QStringList({"http://d.example/k.rar", "l", "http://l.example/", "r",
                                              "http://r.example/"}));

    checkAgain("2.0|u|l|lu|r|ru", 407);
    EXPECT_EQ(captions(), QStringList({kUpToDate, "u", "l", "lu", "r", "ru"}));
}

// Replies are read as documents are: UTF-8, or the Chinese code page when the bytes are not
// UTF-8. A byte-order mark is no mark here but text in front of the version.
TEST_F(UpdateCheck, TheReplyIsUtf8OrTheChineseCodePageAndAMarkIsPartOfTheVersion)
{
    const QString left = QStringLiteral("新版支持全文检索");
    const QString right = QStringLiteral("塔恩维克工作室");
    QStringEncoder chinese("GB18030");
    const QByteArray gb = chinese.encode("2.0|http://d.example/|" + left + "|http://l.example/|" + right
                                         + "|http://r.example/");
    ASSERT_FALSE(chinese.hasError());
    server.answer(200, gb);
    startAndCheck();
    EXPECT_EQ(captions(), QStringList({kUpToDate, "http://d.example/", left, "http://l.example/", right,
                                       "http://r.example/"}));
    EXPECT_FALSE(w().lbADL->Caption().contains(QChar::ReplacementCharacter));

    checkAgain(("2.0|u|" + left + "|lu|" + right + "|ru").toUtf8());
    EXPECT_EQ(captions(), QStringList({kUpToDate, "u", left, "lu", right, "ru"}));

    const QStringList defaults = {kUpToDate,    site("/kestrine/kestrine.rar"), kLeftDefault,
                                  softwarePage(), "By Tarnwick",                homePage()};
    checkAgain(QByteArray("\xEF\xBB\xBF" "2.1|u|") + left.toUtf8() + "|lu|r|ru");
    EXPECT_EQ(captions(), defaults);
    checkAgain("2.5|u|l|lu|r|ru");
    checkAgain(QByteArray("\xEF\xBB\xBF" "2.1|u|") + gb.mid(4));
    EXPECT_EQ(captions(), defaults);
}

// A server that takes the request and closes without a word gets it once; the window goes on
// at once, as it was.
TEST_F(UpdateCheck, AServerThatClosesWithoutAReplyIsAskedOnceAndChangesNothing)
{
    server.closeUnanswered();
    const qint64 held = startAndCheck();
    EXPECT_LT(held, 1000);
    EXPECT_EQ(captions(), kDesignCaptions);
    QTest::qWait(300);
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(w().form().isVisible());
}

TEST(UpdateReply, FieldsBlanksAndNumbers)
{
    EXPECT_TRUE(update::ReplyFields("").isEmpty());
    EXPECT_EQ(update::ReplyFields("|"), QStringList({"", ""}));
    EXPECT_EQ(update::ReplyFields("a| b |\r\n"), QStringList({"a", " b ", "\r\n"}));

    EXPECT_TRUE(update::IsBlank(""));
    EXPECT_TRUE(update::IsBlank("   "));
    EXPECT_FALSE(update::IsBlank("\t"));
    EXPECT_FALSE(update::IsBlank(" \r\n"));

    for (const char* number : {"2", "2.1", " 2.0 ", "-1", "+.5", "2.", "1e3", "1.5E-2"})
        EXPECT_TRUE(update::IsNumericText(number)) << number;
    for (const char* text : {"", " ", "new", "2.1\n", "\t2.1", "2.1.1", "1,5", "e3", ".", "２"})
        EXPECT_FALSE(update::IsNumericText(QString::fromUtf8(text))) << text;
}

} // namespace
