#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/modal.h"

#include <QFontMetrics>
#include <QImage>
#include <QWindow>

#include <algorithm>

namespace {

using testsupport::Answer;
using MessageDialog = testsupport::MainWindowTest;

// What the person sees while the dialog is up: its buttons, left to right.
struct Seen {
    QStringList buttons;
    QString text;
    QString onScreen;
};

TEST_F(MessageDialog, AQuestionAnswersYesOnlyForTheConfirmButtonAndNeverCarriesOver)
{
    start();
    answer({Answer::Yes, Answer::Ok, Answer::No, Answer::Close});
    EXPECT_TRUE(Module1::AskYesNo("一"));
    Module1::ShowInfo("二");
    EXPECT_FALSE(Module1::AskYesNo("三"));
    EXPECT_FALSE(Module1::AskYesNo("四"));
    EXPECT_FALSE(Module1::MsgAnswer);
    EXPECT_EQ(shown(), (QStringList{"一", "二", "三", "四"}));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(MessageDialog, AMessageShowsOnlyOkAndAQuestionConfirmLeftOfCancel)
{
    start();
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    std::vector<Seen> seen;
    // Look first, then answer as the fixture's person would.
    const platform::ModalShownHook person = platform::onModalShown({});
    platform::onModalShown([&](QWidget* window) {
        Seen s;
        s.text = dialog.LabelInfo->Caption();
        s.onScreen = dialog.LabelInfo->text();
        std::vector<controls::iButton*> buttons{dialog.btSave, dialog.btOK, dialog.btNo};
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        for (controls::iButton* b : buttons) {
            if (b->isVisibleTo(window))
                s.buttons << b->objectName();
        }
        seen.push_back(s);
        person(window);
    });
    answer({Answer::Yes, Answer::Ok, Answer::No});
    Module1::AskYesNo("要保存吗?");
    Module1::ShowInfo("第一行\r\n第二行");
    Module1::AskYesNo("再问一次");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].buttons, (QStringList{"btSave", "btNo"}));
    EXPECT_EQ(seen[1].buttons, QStringList{"btOK"});
    EXPECT_EQ(seen[1].text, "第一行\r\n第二行");
    EXPECT_EQ(seen[1].onScreen, "第一行\n第二行");   // one line break, no stray CR
    EXPECT_EQ(seen[2].buttons, (QStringList{"btSave", "btNo"}));
}

TEST_F(MessageDialog, OneDialogOwnedByTheMainWindowHiddenBetweenUses)
{
    start();
    answer({Answer::Ok, Answer::Ok});
    Module1::ShowInfo("一");
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    EXPECT_FALSE(dialog.form().isVisible());
    EXPECT_TRUE(dialog.form().isLoaded());
    EXPECT_EQ(dialog.form().size(), QSize(267, 134));
    EXPECT_EQ(dialog.form().size(), dialog.Image1->size());
    ASSERT_NE(dialog.form().windowHandle(), nullptr);
    EXPECT_EQ(dialog.form().windowHandle()->transientParent(), w().form().windowHandle());
    EXPECT_FALSE(dialog.form().testAttribute(Qt::WA_QuitOnClose));

    Module1::ShowInfo("二");
    EXPECT_EQ(&mainwindow::FmMsg::instance(), &dialog);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(MessageDialog, AClosedDialogIsLoadedAgainOnItsNextUse)
{
    start();
    answer({Answer::Close, Answer::Yes});
    EXPECT_FALSE(Module1::AskYesNo("关掉"));
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    EXPECT_FALSE(dialog.form().isLoaded());
    EXPECT_TRUE(Module1::AskYesNo("再来"));
    EXPECT_TRUE(dialog.form().isLoaded());
    EXPECT_EQ(dialog.form().size(), QSize(267, 134));
    EXPECT_EQ(unexpected(), 0);
}

// What the person sees of a message: the lines it is drawn in, and where the box, the buttons and
// the window are, taken while the dialog is up.
struct Drawn {
    QStringList lines;
    int lineWidth = 0;        // the widest line, in pixels
    int boxWidth = 0;
    QRect box;
    int buttonsTop = 0;
    int buttonsBottom = 0;
    QSize window;
    QSize background;
    QImage picture;           // the background as drawn
};

Drawn drawnNow(mainwindow::FmMsg& dialog)
{
    Drawn d;
    platform::Label& info = *dialog.LabelInfo;
    d.lines = info.text().split(u'\n');
    const QFontMetrics metrics(info.font());
    for (const QString& line : d.lines)
        d.lineWidth = std::max(d.lineWidth, metrics.horizontalAdvance(line));
    d.boxWidth = info.contentsRect().width();
    d.box = info.geometry();
    d.buttonsTop = dialog.btOK->y();
    for (controls::iButton* b : {dialog.btSave, dialog.btNo, dialog.btOK}) {
        EXPECT_EQ(b->y(), d.buttonsTop);
        d.buttonsBottom = b->geometry().bottom();
    }
    d.window = dialog.form().size();
    d.background = dialog.Image1->size();
    d.picture = dialog.Image1->grab().toImage();
    return d;
}

// Every message and question is read whole, also with a name of 255 bytes: the box grows to
// hold its lines (a name without blanks broken anywhere in it), and the background, with its
// frame, and the buttons grow down with it. A message that fits keeps the design's size.
TEST_F(MessageDialog, LongMessagesAndNamesAreShownWholeInADialogGrownToHoldThem)
{
    start();
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    std::vector<Drawn> drawn;
    const platform::ModalShownHook person = platform::onModalShown({});
    platform::onModalShown([&](QWidget* window) {
        drawn.push_back(drawnNow(dialog));
        person(window);
    });
    const QString latin(255, QLatin1Char('J'));
    const QString chinese(85, QChar(0x957F));   // 长, 3 bytes each
    const QStringList texts{
        QStringLiteral("创建文件出错，请换个标题重试。\r\n如果该分类始终无法创建任何文件，请删除分类重新创建。"),
        QStringLiteral("分类【") + latin + QStringLiteral("】修改失败！"),
        QStringLiteral("删除分类时将删除分类下所有文档，是否删除分类【") + chinese + QStringLiteral("】?"),
        QStringLiteral("删除分类时将删除分类下所有文档，是否删除分类【") + latin + QStringLiteral("】?"),
        QStringLiteral("请输入内容！"),
    };
    answer({Answer::Ok, Answer::Ok, Answer::No, Answer::No, Answer::Ok});
    Module1::ShowInfo(texts[0]);
    Module1::ShowInfo(texts[1]);
    Module1::AskYesNo(texts[2]);
    Module1::AskYesNo(texts[3]);
    Module1::ShowInfo(texts[4]);
    ASSERT_EQ(drawn.size(), std::size_t(texts.size()));

    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Drawn& d = drawn[i];
        SCOPED_TRACE(i);
        // All of it, never cut short: the box shows only lines it holds whole.
        QString whole = texts[qsizetype(i)];
        EXPECT_EQ(d.lines.join(QString()), whole.remove(QStringLiteral("\r\n")));
        EXPECT_LE(d.lineWidth, d.boxWidth);
        EXPECT_GT(d.buttonsTop, d.box.bottom());
        EXPECT_EQ(d.buttonsTop - d.box.bottom(), 88 - (44 + 33 - 1));   // as far below the text as designed
        EXPECT_EQ(d.window, d.background);
        EXPECT_EQ(d.window.width(), 267);
        EXPECT_EQ(d.window.height() - d.buttonsBottom, 134 - (88 + 22 - 1));
        // The frame goes round the whole grown background; the buttons' zone is at its foot.
        const QImage& p = d.picture;
        ASSERT_EQ(p.size(), d.window);
        const QImage design(":/skins/FmMsg.jpg");
        for (int y : {0, p.height() / 2, p.height() - 1})
            EXPECT_EQ(p.pixel(0, y), design.pixel(0, y == 0 ? 0 : y == p.height() - 1 ? 133 : 60)) << y;
        for (int x : {0, 100, 266})
            EXPECT_EQ(p.pixel(x, p.height() - 1), design.pixel(x, 133)) << x;
        EXPECT_EQ(p.pixel(100, p.height() - 20), design.pixel(100, 114));
    }
    // Each long one needed more lines than the design's box holds; the short ones fit it.
    EXPECT_EQ(drawn[0].lines.size(), 3);
    for (std::size_t i : {1, 2, 3})
        EXPECT_GT(drawn[i].window.height(), 134);
    EXPECT_GT(drawn[3].window.height(), drawn[1].window.height());
    EXPECT_EQ(drawn[4].window, QSize(267, 134));
    EXPECT_EQ(drawn[4].box, QRect(16, 44, 241, 33));
    EXPECT_EQ(drawn[4].buttonsTop, 88);
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
