// The display list's three views of the selected Sim (current friends, possible
// friends, chemistry Sims) and the likes/dislikes chart.
#include <wx/intl.h>
#include <wx/stattext.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "common/WxString.h"
#include "social/LikesChartDlg.h"
#include "social/PossibleFriends.h"

void NestrelFrame::ShowDisplayMode(DisplayMode mode) {
    displayMode_ = mode;
    displayLabel_->SetLabel(ToWx(DisplayModeLabel(mode)));
}

void NestrelFrame::ShowCurrentFriends() {
    Sim* sim = SelectedSim();
    if (sim == nullptr) return;
    FillDisplay(CurrentFriendIds(*sim), *sim, true);
    ShowDisplayMode(DisplayMode::CurrentFriends);
}

void NestrelFrame::ShowPossibleFriends() {
    Sim* sim = SelectedSim();
    if (sim == nullptr) return;
    ShowStatus(_("Generating friends, please wait..."));
    FillDisplay(PossibleFriends(registry_, *sim), *sim, false);
    ShowDisplayMode(DisplayMode::PossibleFriends);
    ShowStatus(_("Ready"));
}

void NestrelFrame::ShowChemistrySims() {
    Sim* sim = SelectedSim();
    if (sim == nullptr) return;
    FillDisplay(ChemistrySimIds(*sim), *sim, false);
    ShowDisplayMode(DisplayMode::ChemistrySims);
}

void NestrelFrame::ShowLikesDislikesChart() {
    LikesChartDlg chart(this);
    chart.ShowModal();
}

void NestrelFrame::OnShowFriendsCommand(wxCommandEvent& event) {
    switch (event.GetId()) {
        case ID_SHOW_FRIENDS:
            ShowCurrentFriends();
            break;
        case ID_POSSIBLE_FRIENDS:
            ShowPossibleFriends();
            break;
        case ID_CHEMISTRY_SIMS:
            ShowChemistrySims();
            break;
        default:
            break;
    }
}

void NestrelFrame::OnLikesChart(wxCommandEvent&) { ShowLikesDislikesChart(); }

void NestrelFrame::BindFriendsCommands() {
    // The menu item and the button of the same id do the same.
    for (const auto& type : {wxEVT_MENU, wxEVT_BUTTON})
        for (int id : {ID_SHOW_FRIENDS, ID_POSSIBLE_FRIENDS, ID_CHEMISTRY_SIMS})
            Bind(type, &NestrelFrame::OnShowFriendsCommand, this, id);
    Bind(wxEVT_MENU, &NestrelFrame::OnLikesChart, this, ID_LIKES_CHART);
}
