#include "mainwindow/fm_main.h"

// TODO: not built yet
namespace mainwindow {

void fmMain::ListFolder_ItemClick(const ListItemPtr&) {}
void fmMain::cmdQuery_Click() {}
void fmMain::LoadDocumentList() {}

} // namespace mainwindow
