#include "mainwindow/fm_main.h"

// TODO: not built yet
namespace mainwindow {

void fmMain::cmdSave_Click() {}
bool fmMain::SaveNewDocument() { return true; }
bool fmMain::CheckDocumentInput() { return true; }
QString fmMain::GetTypeID(const QString&) { return {}; }
void fmMain::SelectDocumentByTitle(const QString&) {}

} // namespace mainwindow
