#include <wx/menu.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"

void NestrelFrame::BindCommands() {
    Bind(wxEVT_MENU, &NestrelFrame::OnExit, this, ID_EXIT);
    Bind(wxEVT_MENU, &NestrelFrame::OnHelp, this, ID_HELP);
    Bind(wxEVT_UPDATE_UI, &NestrelFrame::OnUpdateSaveItems, this, ID_SAVE);
    Bind(wxEVT_CLOSE_WINDOW, &NestrelFrame::OnCloseRequest, this);
    BindHistoryCommands();
    BindListCommands();
    BindFileCommands();
    BindExportCommands();
    BindEditingCommands();
    BindMoveCommands();
    BindTreeCommands();
    BindChemistryCommands();
    BindSettingsCommands();
    BindReportCommands();
    BindCareerCommands();
}

void NestrelFrame::OnExit(wxCommandEvent&) {
    // The same close request as the window's close box, so it can be refused there.
    Close(false);
}

void NestrelFrame::OnHelp(wxCommandEvent&) {
    if (context_.showHelp) context_.showHelp();
}

void NestrelFrame::OnUpdateSaveItems(wxUpdateUIEvent& event) {
    EnableSaveItems(true);
    event.Enable(!NeighborhoodIsEmpty());
}

void NestrelFrame::OnCloseRequest(wxCloseEvent& event) {
    // A close that cannot be refused (the session is ending) asks nothing.
    if (!PrepareToClose(event.CanVeto())) {
        event.Veto();
        return;
    }
    FinishRecoveryOnClose(!event.CanVeto());
    event.Skip();  // the default handler destroys the frame
}
