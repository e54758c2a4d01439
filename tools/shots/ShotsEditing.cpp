// Pictures of the editing dialogs, opened on the first family of the example
// neighborhood and its first member.
#include <wx/listbook.h>

#include "ShotRegistry.h"
#include "app/NestrelFrame.h"
#include "editing/AdvancedPropDlg.h"
#include "editing/EditSimDialog.h"
#include "editing/EditSimListBook.h"
#include "editing/EnterFriendsDlg.h"
#include "editing/MakeMatchDlg.h"
#include "editing/NewFamilyDlg.h"
#include "model/Family.h"
#include "model/Sim.h"

namespace {
Family* FirstFamily(NestrelFrame& frame) {
    for (Family* family : frame.Registry().families)
        if (family->memberCount > 0) return family;
    return nullptr;
}

Sim* FirstSim(NestrelFrame& frame) {
    Family* family = FirstFamily(frame);
    return family ? family->members.At(0) : nullptr;
}

wxWindow* SimDialogOnPage(ShotContext& shot, int page) {
    auto* dlg = new EditSimDialog(&shot.frame, shot.frame.Registry(), &shot.frame.CareerInfo().careers,
                                  FirstSim(shot.frame));
    dlg->Book()->SetSelection(page);
    return dlg;
}

ShotRegistration familyShot("family-dialog", [](ShotContext& shot) -> wxWindow* {
    Family* family = FirstFamily(shot.frame);
    if (!family) return nullptr;
    return new NewFamilyDlg(&shot.frame, shot.frame.Registry(), &shot.frame.CareerInfo().careers, *family);
});

ShotRegistration basicShot("edit-sim-basic", [](ShotContext& shot) { return SimDialogOnPage(shot, 0); });
ShotRegistration careerShot("edit-sim-career", [](ShotContext& shot) { return SimDialogOnPage(shot, 1); });

// The status flags of a Sim of the picture only; the dialog writes them on "Ok" alone.
bool townie = true, vampire = false, atCollege = false;
ShotRegistration statusShot("sim-status", [](ShotContext& shot) -> wxWindow* {
    return new AdvancedPropDlg(&shot.frame, townie, vampire, atCollege);
});
}  // namespace

namespace {
ShotRegistration friendsShot("edit-sim-friends", [](ShotContext& shot) { return SimDialogOnPage(shot, 2); });
ShotRegistration loveShot("edit-sim-love", [](ShotContext& shot) { return SimDialogOnPage(shot, 3); });

ShotRegistration friendPickerShot("friend-picker", [](ShotContext& shot) -> wxWindow* {
    Sim* sim = FirstSim(shot.frame);
    if (!sim) return nullptr;
    return new EnterFriendsDlg(&shot.frame, shot.frame.Registry(), sim->friendIds, sim);
});

ShotRegistration chemistryPickerShot("chemistry-picker", [](ShotContext& shot) -> wxWindow* {
    Sim* sim = FirstSim(shot.frame);
    if (!sim) return nullptr;
    return new EnterChemistryDlg(&shot.frame, shot.frame.Registry(), ChemistryOf(*sim), sim);
});

ShotRegistration makeMatchShot("make-match", [](ShotContext& shot) -> wxWindow* {
    Sim* sim = FirstSim(shot.frame);
    if (!sim) return nullptr;
    return new MakeMatchDlg(&shot.frame, shot.frame.Registry(), sim->status, sim->partnerId, sim, sim->LifeStage());
});
}  // namespace
