#include "mainwindow/fm_main.h"

// TODO: not built yet
namespace mainwindow {

void fmMain::LoadTypeList() {}
void fmMain::SyncTypeLists() {}
void fmMain::EnsureTypeFolder(const QString&) {}
void fmMain::listType_ItemClick(const ListItemPtr&) {}

} // namespace mainwindow
