#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "app/StatusText.h"
#include "common/WxString.h"

void NestrelFrame::CreateStatusLine() {
    CreateStatusBar(2, wxSTB_DEFAULT_STYLE, wxID_ANY, "status_line");
    const int widths[2] = {-1, 250};
    SetStatusWidths(2, widths);
    ShowStatus(_("Ready"));
}

void NestrelFrame::ShowStatus(const wxString& message) {
    if (GetStatusBar() == nullptr) return;  // not built yet during start-up
    wxString file = wxString::Format(_("Current File: %s"), ToWx(FileNamePart(currentFile_)));
    if (modified_) file += "*";
    SetStatusText(message, 0);
    SetStatusText(file, 1);
}

void NestrelFrame::SetModified(bool modified) {
    modified_ = modified;
    ShowStatus(wxEmptyString);
}

void NestrelFrame::EnableSaveItems(bool enable) {
    wxMenuBar* menuBar = GetMenuBar();
    if (menuBar == nullptr) return;
    const bool on = enable && !NeighborhoodIsEmpty();
    for (int id : {ID_SAVE, ID_SAVE_AS, ID_BACKUP}) menuBar->Enable(id, on);
}
