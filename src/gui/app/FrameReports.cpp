// The neighborhood reports of the main window: the Sim card, the search, the groups
// and the neighborhood information.
#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "model/Sim.h"
#include "reports/ShowHoodPrptyDlg.h"
#include "reports/ShowSimDlg.h"
#include "reports/ShowSimGroupsDlg.h"
#include "reports/SimSearchDlg.h"

void NestrelFrame::BindReportCommands() {
    Bind(wxEVT_MENU, &NestrelFrame::OnFindSim, this, ID_FIND_SIM);
    Bind(wxEVT_MENU, &NestrelFrame::OnSimGroups, this, ID_SIM_GROUPS);
    Bind(wxEVT_MENU, &NestrelFrame::OnFileProperties, this, ID_FILE_PROPERTIES);
}

void NestrelFrame::ShowSimInfo(wxWindow* parent, int32_t simId, bool familyAllowed) {
    int answer = wxID_OK;
    {
        ShowSimDlg card(parent, registry_, simId, familyAllowed);
        answer = card.ShowModal();
    }
    if (answer != ShowSimDlg::kEditFamily || !familyAllowed) return;
    // The card has closed; its Sim may still have gone meanwhile.
    const Sim* sim = registry_.FindSim(simId);
    if (sim == nullptr || sim->family == nullptr) return;
    EditFamily(sim->family->id, simId);
}

void NestrelFrame::OnFindSim(wxCommandEvent&) {
    SimSearchDlg dlg(this, *this, true);
    dlg.ShowModal();
}

void NestrelFrame::OnSimGroups(wxCommandEvent&) {
    ShowSimGroupsDlg dlg(this, *this);
    dlg.ShowModal();
}

void NestrelFrame::OnFileProperties(wxCommandEvent&) {
    ShowHoodPrptyDlg dlg(this, registry_);
    dlg.ShowModal();
}
