#include "mainwindow/fm_main.h"

// TODO: not built yet
namespace mainwindow {

void fmMain::btTxt_Click() {}
void fmMain::ShowMenuMark(short) {}

} // namespace mainwindow
