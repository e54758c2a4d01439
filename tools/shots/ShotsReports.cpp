// Pictures of the neighborhood reports, on the example neighborhood.
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "ShotRegistry.h"
#include "app/NestrelFrame.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "reports/AspirationDlg.h"
#include "reports/ShowHoodPrptyDlg.h"
#include "reports/ShowSimDlg.h"
#include "reports/ShowSimGroupsDlg.h"
#include "reports/SimCard.h"
#include "reports/SimListDlg.h"
#include "reports/SimSearchDlg.h"

namespace {

// The first Sim with friends, so that the card and the friend list show something.
Sim* SimWithFriends(NestrelFrame& frame) {
    for (Family* family : frame.Registry().families)
        for (Sim* member : family->members)
            if (!member->friendIds.empty()) return member;
    return nullptr;
}

ShotRegistration cardShot("sim-information", [](ShotContext& shot) -> wxWindow* {
    Sim* sim = SimWithFriends(shot.frame);
    return sim ? new ShowSimDlg(&shot.frame, shot.frame.Registry(), sim->id) : nullptr;
});

ShotRegistration friendsShot("sim-friends", [](ShotContext& shot) -> wxWindow* {
    Sim* sim = SimWithFriends(shot.frame);
    if (!sim) return nullptr;
    return new SimListDlg(&shot.frame, _("Sim Friends"), wxString::FromUTF8(SimFriendsHeading(*sim)),
                          SimFriendNames(shot.frame.Registry(), *sim), wxLB_SINGLE | wxLB_HSCROLL);
});

ShotRegistration searchShot("sim-search", [](ShotContext& shot) -> wxWindow* {
    auto* dlg = new SimSearchDlg(&shot.frame, shot.frame, true);
    Sim* sim = SimWithFriends(shot.frame);
    if (sim) {
        dlg->NameField()->SetValue(wxString::FromUTF8(sim->firstName));
        dlg->SearchByFirstName();
        dlg->Results()->SetSelection(0);
    }
    return dlg;
});

ShotRegistration groupsShot("sim-groups", [](ShotContext& shot) -> wxWindow* {
    return new ShowSimGroupsDlg(&shot.frame, shot.frame);
});

ShotRegistration infoShot("neighborhood-information", [](ShotContext& shot) -> wxWindow* {
    return new ShowHoodPrptyDlg(&shot.frame, shot.frame.Registry());
});

ShotRegistration aspirationsShot("aspirations", [](ShotContext& shot) -> wxWindow* {
    auto* dlg = new AspirationDlg(&shot.frame, shot.frame.Registry());
    dlg->Summary()->SetItemState(2, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    dlg->ListSims(2);
    return dlg;
});

}  // namespace
