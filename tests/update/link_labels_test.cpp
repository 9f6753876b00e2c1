#include "update/update_window.h"

#include "platform/controls/image.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "update/update_check.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

using namespace testsupport;
using platform::shell::Launch;

class LinkLabels : public UpdateWindowTest {
protected:
    // The About panel in place of the document panel, as its menu button shows it.
    void showAbout()
    {
        w().planList->setVisible(false);
        w().myTxt->setVisible(false);
        w().planAbout->setVisible(true);
    }

    // What one click on the control opened: its address, or nothing.
    QStringList opens(QWidget* control)
    {
        launched.clear();
        click(control);
        QStringList addresses;
        for (const Launch& l : launched) {
            EXPECT_EQ(l.kind, Launch::Kind::Open);
            addresses << l.target;
        }
        return addresses;
    }

    // The pointer the control shows after a mouse move over it.
    static bool showsHand(QWidget* control)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(control->rect().center()),
                         QPointF(control->mapToGlobal(control->rect().center())), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &move);
        return control->testAttribute(Qt::WA_SetCursor) && control->cursor().shape() == Qt::PointingHandCursor;
    }
};

TEST_F(LinkLabels, TheFixedLinksOpenTheMakersPagesOnItsHost)
{
    server.answer(200, "2.0|u|l|lu|r|ru");
    startAndCheck();
    showAbout();

    EXPECT_EQ(w().lbTarnwick->Caption(), "http://" + server.host());
    EXPECT_EQ(opens(w().imgLogo), QStringList{homePage()});
    EXPECT_EQ(opens(w().lbTarnwick), QStringList{homePage()});
    EXPECT_EQ(opens(w().lbSoftPage), QStringList{softwarePage()});
    for (QWidget* link : {static_cast<QWidget*>(w().imgLogo), static_cast<QWidget*>(w().lbTarnwick),
                          static_cast<QWidget*>(w().lbSoftPage), static_cast<QWidget*>(w().lbADL),
                          static_cast<QWidget*>(w().lbADR)})
        EXPECT_TRUE(showsHand(link)) << link->objectName().toStdString();
}

TEST_F(LinkLabels, TheFooterAndTheVerdictOpenTheAddressesOfTheReply)
{
    server.answer(200, "2.1|https://d.example/k.rar|left|http://l.example/a?b=1|right|http://r.example/\r\n");
    startAndCheck();
    showAbout();

    EXPECT_EQ(opens(w().lbADL), QStringList{"http://l.example/a?b=1"});
    // The line break ending the reply stays part of the right address, which is then no web
    // address: it opens nothing.
    EXPECT_EQ(w().lbADUR->Caption(), "http://r.example/\r\n");
    EXPECT_TRUE(opens(w().lbADR).isEmpty());
    EXPECT_EQ(opens(w().lbNewVersion), QStringList{"https://d.example/k.rar"});
    EXPECT_TRUE(showsHand(w().lbNewVersion));
    EXPECT_EQ(launched.size(), 1);
}

// A web address reaches the browser exactly as the reply holds it, letter case, escapes and all;
// one with a blank or a control character anywhere, at its ends included, opens nothing.
TEST_F(LinkLabels, AnAddressOfTheReplyOpensExactlyAsItIsOrNotAtAll)
{
    server.answer(200, "2.1|HTTP://D.Example:8080/K%20R.rar?a=1&b=%E4#top|l|https://l.example/%7Ex/|r|"
                       "http://r.example/a/../b?q=");
    startAndCheck();
    showAbout();
    EXPECT_EQ(opens(w().lbNewVersion), QStringList{"HTTP://D.Example:8080/K%20R.rar?a=1&b=%E4#top"});
    EXPECT_EQ(opens(w().lbADL), QStringList{"https://l.example/%7Ex/"});
    EXPECT_EQ(opens(w().lbADR), QStringList{"http://r.example/a/../b?q="});

    const QString notOpened[] = {" http://d.example/", "http://d.example/ ", "\thttp://d.example/",
                                 "http://d.example/\n", "http://d.example/a b", "http://d.example/\x7F",
                                 QStringLiteral("http://d.example/\u00A0"), QStringLiteral("http://d.example/\u202Eexe"),
                                 QStringLiteral("\uFEFFhttp://d.example/")};
    for (const QString& address : notOpened) {
        SCOPED_TRACE(address.toStdString());
        server.answer(200, ("2.1|" + address + "|l|" + address + "|r|" + address).toUtf8());
        update::CheckUpdate(w());
        ASSERT_EQ(w().lbSoftUrl->Caption(), address);
        EXPECT_TRUE(opens(w().lbNewVersion).isEmpty());
        EXPECT_TRUE(opens(w().lbADL).isEmpty());
        EXPECT_TRUE(opens(w().lbADR).isEmpty());
    }
}

// Addresses from the network open only when they are web addresses.
TEST_F(LinkLabels, NoLocalPathOrOtherSchemeFromTheReplyIsOpened)
{
    server.answer(200, "2.1|/etc/passwd|left|file:///etc/passwd|right|\\home\\x\\txt\\a.txt");
    startAndCheck();
    showAbout();
    EXPECT_TRUE(opens(w().lbNewVersion).isEmpty());
    EXPECT_TRUE(opens(w().lbADL).isEmpty());
    EXPECT_TRUE(opens(w().lbADR).isEmpty());
}

// Before any verdict the verdict label is an empty link: the hand shows, but an empty address
// opens nothing. The verdict of no new version is no link at all.
TEST_F(LinkLabels, TheVerdictIsALinkUnlessItSaysThereIsNoNewVersion)
{
    // The check runs only when the test says.
    start([](mainwindow::fmMain& window) {
        update::Attach(window);
        window.CheckUpdate = {};
    });
    showAbout();
    EXPECT_EQ(w().lbNewVersion->Caption(), "");
    EXPECT_TRUE(showsHand(w().lbNewVersion));
    EXPECT_TRUE(opens(w().lbNewVersion).isEmpty());
    EXPECT_TRUE(opens(w().lbADL).isEmpty());
    EXPECT_TRUE(opens(w().lbADR).isEmpty());

    server.answer(200, "2.0|http://d.example/k.rar");
    update::CheckUpdate(w());
    ASSERT_EQ(w().lbNewVersion->Caption(), kUpToDate);
    EXPECT_FALSE(showsHand(w().lbNewVersion));
    EXPECT_TRUE(opens(w().lbNewVersion).isEmpty());
    EXPECT_EQ(server.requests().size(), 1);
}

} // namespace
