#include "mainwindow/fm_main.h"

// TODO: not built yet
namespace mainwindow {

void fmMain::cmdUpdate_Click() {}
bool fmMain::UpdateDocument() { return true; }
void fmMain::cmdDel_Click() {}

} // namespace mainwindow
