// The main window's career command.
#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "careers/CareerDlg.h"

void NestrelFrame::BindCareerCommands() {
    // The menu item and the tool share the id.
    Bind(wxEVT_MENU, &NestrelFrame::OnCareerInfo, this, ID_CAREER_INFO);
}

void NestrelFrame::OnCareerInfo(wxCommandEvent&) {
    CareerDlg dlg(this, &careerInfo_.careers);
    dlg.ShowModal();
}
