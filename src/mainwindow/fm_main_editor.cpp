#include "mainwindow/fm_main.h"

// TODO: not built yet
namespace mainwindow {

void fmMain::listTxt_ItemClick(const ListItemPtr&) {}
void fmMain::SetEditMode(bool) {}
void fmMain::cmdAdd_Click() {}
void fmMain::LoadDefaultStyle() {}
void fmMain::cmdEdit_Click() {}
void fmMain::cmdCancel_Click() {}
bool fmMain::ConfirmLeaveEdit() { return true; }
void fmMain::ShowWordCount() {}
void fmMain::myTxt_Change() {}

} // namespace mainwindow
