// The chemistry commands of the main window: the chemistry summary (id 5), chemistry
// matching (id 6) and the neighborhood matchmaker (id 8).
#include <algorithm>

#include <wx/display.h>

#include "app/CommandIds.h"
#include "app/ConfigStore.h"
#include "app/NestrelFrame.h"
#include "common/WxString.h"
#include "chemistry/ChemMatchDlg.h"
#include "chemistry/NeighborhoodMatchDlg.h"
#include "chemistry/ShowChemDlg.h"
#include "common/MessageBox.h"

namespace {

/// A stored window size that fits the screen the window is on.
wxSize FitToDisplay(const wxSize& size, const wxWindow* window) {
    const int index = wxDisplay::GetFromWindow(window);
    const wxRect area = wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
    return wxSize(std::min(size.x, area.width), std::min(size.y, area.height));
}

}  // namespace

void NestrelFrame::BindChemistryCommands() {
    for (int id : {ID_CHEMISTRY, ID_CHEMISTRY_MATCHING, ID_MATCHMAKER})
        Bind(wxEVT_MENU, &NestrelFrame::OnChemistryCommand, this, id);
}

void NestrelFrame::OnChemistryCommand(wxCommandEvent& event) {
    switch (event.GetId()) {
        case ID_CHEMISTRY: {
            ShowChemDlg summary(this, registry_, wxSize(300, 300));
            summary.ShowModal();
            break;
        }
        case ID_CHEMISTRY_MATCHING: {
            bool changed = false;
            {
                HistoryStep step(&history_, ToStd(_("Chemistry Matching")));
                ChemMatchDlg matching(this, registry_, wxSize(500, 400));
                matching.ShowModal();
                changed = matching.Changed();
                StepDone(step.Finish());
            }
            if (changed) RefreshFamilies();
            break;
        }
        case ID_MATCHMAKER:
            OpenMatchmaker();
            break;
        default:
            break;
    }
}

void NestrelFrame::OpenMatchmaker() {
    if (NeighborhoodIsEmpty()) {
        ShowNotice(_("Empty Neighborhood!"));
        return;
    }
    const wxSize size = FitToDisplay(ReadMatchmakerSize(), this);
    bool changed = false;
    wxSize reported;
    {
        HistoryStep step(&history_, ToStd(_("MatchMaker")));
        NeighborhoodMatchDlg matchmaker(this, registry_, &matchSettings_, size);
        matchmaker.ShowModal();
        changed = matchmaker.Changed();
        reported = matchmaker.ReportedSize();
        StepDone(step.Finish());
    }
    WriteMatchmakerSize(reported);
    if (changed) RefreshFamilies();
}
