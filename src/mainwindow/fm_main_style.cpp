#include "mainwindow/fm_main.h"

// TODO: not built yet
namespace mainwindow {

void fmMain::cmdBackColor_Click() {}
void fmMain::cmdFontColor_Click() {}
void fmMain::cmdFontName_Click() {}
void fmMain::cmdFontSize_Click() {}
void fmMain::cmdFormat_Click() {}
void fmMain::cmdDef_Click() {}
void fmMain::cmdDoDef_Click() {}
void fmMain::ApplyTextStyle() {}

} // namespace mainwindow
