// The message dialog, placed as designed in pixels: the prompt, the message and three buttons of
// which a message shows the middle one and a question the outer two.
#include "buttons.h"
#include "geometry.h"
#include "layouts.h"
#include "palette.h"

namespace skin {

Layout dialogLayout()
{
    Layout l("FmMsg", "Form1", px(kMsgW), px(kMsgH));
    l.form().set("backColor", ole(kPanel));
    l.add("Image", "Image1", "FmMsg", QRect(0, 0, px(kMsgW), px(kMsgH))).picture(":/skins/FmMsg.jpg");
    l.add("Label", "Label1", "FmMsg", QRect(px(16), px(24), px(36), px(12)))
        .caption("提示：")
        .font()
        .fore(0xAC703F)
        .backStyle(0);
    l.add("Label", "LabelInfo", "FmMsg", QRect(px(16), px(44), px(241), px(33)))
        .caption("Label1")
        .font()
        .fore(ole(kInk))
        .backStyle(0)
        .align(2);
    const struct { const char *name; int x; } buttons[3] = {{"btSave", 64}, {"btNo", 152}, {"btOK", 108}};
    for (int i = 0; i < 3; ++i) {
        const FaceSpec &f = faceOf(buttons[i].name);
        l.button(buttons[i].name, "FmMsg", QPoint(px(buttons[i].x), px(88)), QSize(f.width, f.height)).tab(i);
    }
    return l;
}

} // namespace skin
