#include "update/link_labels.h"

#include "mainwindow/fm_main.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/shell/shell_execute.h"
#include "platform/shell/web_address.h"
#include "platform/window/cursor.h"
#include "update/maker_site.h"
#include "update/update_check.h"

namespace update {
namespace {
using mainwindow::fmMain;

// An address opens in the browser only when it is a web address, and then exactly as it is held:
// the footer and download addresses come from the network, and a local path, a file: address or
// an address with blanks or control characters in it is never opened.
void OpenAddress(fmMain& w, const QString& address)
{
    if (!platform::isWebAddress(address))
        return;
    platform::ShellExecuteA(w.form().hWnd(), QStringLiteral("open"), address, QString(""), QString(""),
                            platform::SW_SHOW);
}

bool OffersDownload(fmMain& w)
{
    return w.lbNewVersion->Caption() != kUpToDate;
}
} // namespace

void imgLogo_Click(fmMain& w)
{
    OpenAddress(w, HomePageAddress());
}

void lbTarnwick_Click(fmMain& w)
{
    OpenAddress(w, HomePageAddress());
}

void lbSoftPage_Click(fmMain& w)
{
    OpenAddress(w, SoftwarePageAddress());
}

void lbADL_Click(fmMain& w)
{
    OpenAddress(w, w.lbADUL->Caption());
}

void lbADR_Click(fmMain& w)
{
    OpenAddress(w, w.lbADUR->Caption());
}

void lbNewVersion_Click(fmMain& w)
{
    if (OffersDownload(w))
        OpenAddress(w, w.lbSoftUrl->Caption());
}

void imgLogo_MouseMove(fmMain& w)
{
    platform::SetCursor(w.imgLogo, w.HandCursor);
}

void lbTarnwick_MouseMove(fmMain& w)
{
    platform::SetCursor(w.lbTarnwick, w.HandCursor);
}

void lbSoftPage_MouseMove(fmMain& w)
{
    platform::SetCursor(w.lbSoftPage, w.HandCursor);
}

void lbADL_MouseMove(fmMain& w)
{
    platform::SetCursor(w.lbADL, w.HandCursor);
}

void lbADR_MouseMove(fmMain& w)
{
    platform::SetCursor(w.lbADR, w.HandCursor);
}

void lbNewVersion_MouseMove(fmMain& w)
{
    if (OffersDownload(w))
        platform::SetCursor(w.lbNewVersion, w.HandCursor);
}

void Attach(fmMain& w)
{
    w.lbTarnwick->setCaption(MakerWebAddress());
    w.CheckUpdate = [&w] { CheckUpdate(w); };

    using Handler = void (*)(fmMain&);
    const struct {
        platform::Label* label;
        Handler click;
        Handler move;
    } labels[] = {
        {w.lbTarnwick, lbTarnwick_Click, lbTarnwick_MouseMove},
        {w.lbSoftPage, lbSoftPage_Click, lbSoftPage_MouseMove},
        {w.lbADL, lbADL_Click, lbADL_MouseMove},
        {w.lbADR, lbADR_Click, lbADR_MouseMove},
        {w.lbNewVersion, lbNewVersion_Click, lbNewVersion_MouseMove},
    };
    for (const auto& [label, click, move] : labels) {
        label->onClick = [&w, click = click] { click(w); };
        label->onMouseMove = [&w, move = move](int, int, double, double) { move(w); };
    }
    w.imgLogo->onClick = [&w] { imgLogo_Click(w); };
    w.imgLogo->onMouseMove = [&w](int, int, double, double) { imgLogo_MouseMove(w); };
}

} // namespace update
