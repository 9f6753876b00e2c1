#include "platform/controls/form.h"

#include "platform/controls/font_substitution.h"
#include "platform/controls/modal.h"
#include "platform/window/window_proc.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QTest>

using namespace platform;

namespace {

std::vector<UINT> g_messages;

LRESULT recordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    g_messages.push_back(msg);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

TEST(Form, UnloadPassesTheWindowProcedureAndRunsOnUnloadOnce)
{
    Form form;
    int loads = 0, unloads = 0;
    form.onLoad = [&] { ++loads; };
    form.onUnload = [&] { ++unloads; };
    form.setWidth(3000);
    form.setHeight(1500);
    form.Show();
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(form.isVisible());
    g_messages.clear();
    SetWindowLong(form.hWnd(), GWL_WNDPROC, AddressOf(&recordingProc));

    form.Unload();
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(g_messages, std::vector<UINT>{WM_CLOSE});
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(isUnloaded(form.hWnd()));
    form.Unload();
    EXPECT_EQ(unloads, 1);

    // Showing again loads the form anew.
    form.Show();
    EXPECT_EQ(loads, 2);
    form.close();   // the window manager's close request
    EXPECT_EQ(unloads, 2);
}

TEST(Form, SizeIsInTwipsAndReadsBackAsSet)
{
    Form form;
    form.setWidth(14410);
    form.setHeight(9910);
    EXPECT_DOUBLE_EQ(form.Width(), 14410);
    EXPECT_EQ(form.width(), 961);
    EXPECT_EQ(form.height(), 661);
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
}

TEST(Form, ResizeSeesEveryChangeOfWindowState)
{
    Form form;
    form.Show();
    std::vector<int> states;
    form.onResize = [&] {
        states.push_back(form.WindowState());
        if (form.WindowState() == vbMaximized)
            form.setWindowState(vbStateNormal);
    };
    form.setWindowState(vbMaximized);
    QCoreApplication::processEvents();
    EXPECT_NE(std::find(states.begin(), states.end(), vbMaximized), states.end());
    EXPECT_EQ(form.WindowState(), vbStateNormal);
    form.setWindowState(vbMinimized);
    EXPECT_EQ(form.WindowState(), vbMinimized);
}

TEST(Modal, TheHookClicksTheShownWindowsRealButton)
{
    QWidget owner;
    owner.resize(600, 400);
    owner.show();
    Form dialog;
    dialog.resize(200, 100);
    auto* ok = new QPushButton("ok", &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] { dialog.Hide(); });

    QWidget* seen = nullptr;
    bool modalWhileShown = false;
    const ModalShownHook previous = onModalShown([&](QWidget* w) {
        seen = w;
        modalWhileShown = w->isVisible() && QApplication::activeModalWidget() == w;
        QTest::mouseClick(w->findChild<QPushButton*>(), Qt::LeftButton);
    });
    dialog.ShowModal(&owner);
    onModalShown(previous);

    EXPECT_EQ(seen, &dialog);
    EXPECT_TRUE(modalWhileShown);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.isLoaded());   // hidden, not unloaded
    EXPECT_LE((dialog.geometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);
}

TEST(FontSubstitution, SongBrushAndSansNamesDrawWithThreeDifferentFontsAndKeepTheirNames)
{
    installFontSubstitutions();
    for (const QString& name : substitutedFontNames())
        EXPECT_EQ(QFont::substitute(name).compare(substituteFont(name), Qt::CaseInsensitive), 0) << name.toStdString();
    EXPECT_EQ(substituteFont(QStringLiteral("新宋体")), kSongFont);
    EXPECT_EQ(substituteFont(QStringLiteral("隶书")), kKaiFont);
    EXPECT_EQ(substituteFont(QStringLiteral("幼圆")), kCjkFont);
    EXPECT_TRUE(substituteFont(QStringLiteral("Arial")).isEmpty());

    const QFont song(QStringLiteral("宋体"), 9);
    EXPECT_EQ(song.family(), QStringLiteral("宋体"));
    // With the fonts the setup installs, the three groups are drawn in three families.
    if (QFontDatabase::hasFamily(kSongFont) && QFontDatabase::hasFamily(kKaiFont) && QFontDatabase::hasFamily(kCjkFont)) {
        const QString drawnSong = QFontInfo(song).family();
        const QString drawnKai = QFontInfo(QFont(QStringLiteral("华文行楷"), 9)).family();
        const QString drawnSans = QFontInfo(QFont(QStringLiteral("微软雅黑"), 9)).family();
        EXPECT_EQ(drawnSong, kSongFont);
        EXPECT_EQ(drawnKai, kKaiFont);
        EXPECT_EQ(drawnSans, kCjkFont);
        EXPECT_EQ(QFontInfo(QFont(QStringLiteral("楷体_GB2312"), 9)).family(), drawnKai);
    }
}

} // namespace
