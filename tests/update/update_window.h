#pragma once
// The main window with its update check and link labels, the maker's web host being an HTTP
// server of the test's own on 127.0.0.1, and everything handed to the desktop recorded.
#include "mainwindow/main_window_fixture.h"

#include "mainwindow/fm_main.h"
#include "platform/controls/label.h"
#include "platform/controls/timer.h"
#include "platform/http/maker_host.h"
#include "platform/shell/launcher.h"
#include "support/http_test_server.h"
#include "update/link_labels.h"

#include <QElapsedTimer>
#include <QTest>

namespace testsupport {

class UpdateWindowTest : public MainWindowTest {
protected:
    UpdateWindowTest()
    {
        platform::setMakerHost(server.host());
        platform::shell::setLauncher([this](const platform::shell::Launch& what) {
            launched.append(what);
            return true;
        });
    }
    ~UpdateWindowTest() override
    {
        platform::shell::setLauncher({});
        platform::setMakerHost(QString());
    }

    // Starts the window as the program does and lets the start-up tick run the check; the time
    // the check held the window, in milliseconds.
    qint64 startAndCheck()
    {
        qint64 held = -1;
        start([&held](mainwindow::fmMain& window) {
            update::Attach(window);
            window.CheckUpdate = [check = window.CheckUpdate, &held] {
                QElapsedTimer clock;
                clock.start();
                check();
                held = clock.elapsed();
            };
        });
        EXPECT_TRUE(QTest::qWaitFor([this] { return !w().Timer1->Enabled(); }, 10000));
        EXPECT_GE(held, 0);
        return held;
    }

    // The labels the check writes, in the order verdict, download, left text, left address,
    // right text, right address.
    QStringList captions()
    {
        return {w().lbNewVersion->Caption(), w().lbSoftUrl->Caption(), w().lbADL->Caption(),
                w().lbADUL->Caption(),       w().lbADR->Caption(),     w().lbADUR->Caption()};
    }

    QString site(const QString& path) const { return "http://" + server.host() + path; }
    QString homePage() const { return site("/plus/softurl.php?soft=kestrine&url=" + site("")); }
    QString softwarePage() const { return site("/plus/softurl.php?soft=kestrine&url=" + site("/kestrine")); }

    HttpTestServer server;
    QList<platform::shell::Launch> launched;
};

inline const QString kUpToDate = QStringLiteral("已是最新版本");
inline const QString kLeftDefault = QStringLiteral("2.0版支持文件拖动，操作更简单");
// The captions before any check: no verdict, ten blanks on the left, the maker on the right.
inline const QStringList kDesignCaptions = {"", "", "          ", "", "By Tarnwick", ""};

} // namespace testsupport
