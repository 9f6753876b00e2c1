#pragma once
// The main window's six web links: the logo and five labels open an address in the user's
// browser on a click and show the hand pointer while the mouse moves over them.
namespace mainwindow {
class fmMain;
}

namespace update {

void imgLogo_Click(mainwindow::fmMain& w);
void lbTarnwick_Click(mainwindow::fmMain& w);
void lbSoftPage_Click(mainwindow::fmMain& w);
void lbADL_Click(mainwindow::fmMain& w);
void lbADR_Click(mainwindow::fmMain& w);
void lbNewVersion_Click(mainwindow::fmMain& w);

// The hand pointer while the mouse moves over a link; over the verdict only while it offers a
// download.
void imgLogo_MouseMove(mainwindow::fmMain& w);
void lbTarnwick_MouseMove(mainwindow::fmMain& w);
void lbSoftPage_MouseMove(mainwindow::fmMain& w);
void lbADL_MouseMove(mainwindow::fmMain& w);
void lbADR_MouseMove(mainwindow::fmMain& w);
void lbNewVersion_MouseMove(mainwindow::fmMain& w);

// Binds the handlers above to the window's controls, gives lbTarnwick the maker's web address
// and hands the window the update check for its start-up tick. Call before the window loads.
void Attach(mainwindow::fmMain& w);

} // namespace update
