#include "mainwindow/fm_main.h"

// TODO: not built yet
namespace mainwindow {

void fmMain::Form_Load() {}
void fmMain::InitControls() {}
void fmMain::Form_Unload() {}
void fmMain::Form_Resize() {}
void fmMain::ShowDocumentButtons(bool) {}
void fmMain::btClose_Click() {}
void fmMain::btMin_Click() {}
void fmMain::Image1_MouseMove() {}
void fmMain::btTop_Click() {}
void fmMain::btBottom_Click() {}
void fmMain::Timer1_Timer() {}

} // namespace mainwindow
