// Pictures of the chemistry windows, on the example neighborhood: the summary on its
// first Teen, matching with its results, the confirmation and comparison of the first
// proposal, and the matchmaker.
#include <wx/listbox.h>
#include <wx/listctrl.h>

#include "ShotRegistry.h"
#include "app/NestrelFrame.h"
#include "chemistry/ChemMatchConfirmDlg.h"
#include "chemistry/ChemMatchDlg.h"
#include "chemistry/ChemMatching.h"
#include "chemistry/CompareChemDlg.h"
#include "chemistry/NeighborhoodMatchDlg.h"
#include "chemistry/ShowChemDlg.h"

namespace {

/// The first proposal of the Teens' matching, or none.
MatchResult FirstProposal(NestrelFrame& frame) {
    for (const MatchResult& result : GenerateMatchResults(frame.Registry(), {}))
        if (result.partnerId != -1) return result;
    return {};
}

ShotRegistration summaryShot("chemistry-summary", [](ShotContext& shot) -> wxWindow* {
    auto* dlg = new ShowChemDlg(&shot.frame, shot.frame.Registry(), wxSize(300, 300));
    if (dlg->SimList()->GetCount() > 0) {
        dlg->SimList()->SetSelection(0);
        dlg->ShowSimChemistry();
    }
    return dlg;
});

ShotRegistration matchingShot("chemistry-matching", [](ShotContext& shot) -> wxWindow* {
    auto* dlg = new ChemMatchDlg(&shot.frame, shot.frame.Registry(), wxSize(500, 400));
    dlg->GenerateResults();
    if (dlg->ResultList()->GetItemCount() > 0)
        dlg->ResultList()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    return dlg;
});

ShotRegistration confirmShot("chemistry-confirm", [](ShotContext& shot) -> wxWindow* {
    const MatchResult proposal = FirstProposal(shot.frame);
    return new ChemMatchConfirmDlg(&shot.frame, shot.frame.Registry(), proposal.simId, proposal.partnerId);
});

ShotRegistration compareShot("chemistry-comparison", [](ShotContext& shot) -> wxWindow* {
    const MatchResult proposal = FirstProposal(shot.frame);
    return new CompareChemDlg(&shot.frame, shot.frame.Registry(), proposal.simId, proposal.partnerId);
});

ShotRegistration matchmakerShot("matchmaker", [](ShotContext& shot) -> wxWindow* {
    // A copy of the options, so the picture leaves the program's own alone.
    static MatchmakerSettings settings;
    settings = shot.frame.MatchSettings();
    return new NeighborhoodMatchDlg(&shot.frame, shot.frame.Registry(), &settings, wxSize(300, 300));
});

}  // namespace
