// Pictures of the household moves and the family tree windows, on the example
// neighborhood.
#include "ShotRegistry.h"
#include "app/NestrelFrame.h"
#include "familytree/EnterFamilyTreeDlg.h"
#include "familytree/FTFrame.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "moves/HomelessDlg.h"
#include "moves/MoveOutDlg.h"
#include "moves/TransferDlg.h"

namespace {
Family* FamilyWithMembers(NestrelFrame& frame, int skip = 0) {
    for (Family* family : frame.Registry().families)
        if (family->memberCount > 1 && skip-- == 0) return family;
    return nullptr;
}

ShotRegistration homelessShot("homeless-families", [](ShotContext& shot) -> wxWindow* {
    // Two families out of their homes for the picture; the neighborhood is not saved.
    for (int i : {1, 2})
        if (Family* family = FamilyWithMembers(shot.frame, i)) shot.frame.Registry().SetHomeless(family, true);
    return new HomelessDlg(&shot.frame, shot.frame.Registry(), {});
});

ShotRegistration moveOutShot("move-out", [](ShotContext& shot) -> wxWindow* {
    Family* family = FamilyWithMembers(shot.frame);
    if (!family) return nullptr;
    return new MoveOutDlg(&shot.frame, shot.frame.Registry(), family->id);
});

ShotRegistration transferShot("transfer-sim", [](ShotContext& shot) -> wxWindow* {
    Family* family = FamilyWithMembers(shot.frame);
    auto* dlg = new TransferDlg(&shot.frame, shot.frame.Registry(), family ? family->name : std::string());
    dlg->Prepare();
    return dlg;
});

ShotRegistration pickShot("pick-a-sim", [](ShotContext& shot) -> wxWindow* {
    auto* dlg = new TransferDlg(&shot.frame, shot.frame.Registry(), std::string());
    dlg->SetTitle(_("Pick A Sim"));
    dlg->SetPrompt(_("Pick a sim to start with:"));
    dlg->UseSimMode();
    dlg->Prepare();
    return dlg;
});

ShotRegistration treeShot("family-tree", [](ShotContext& shot) -> wxWindow* {
    auto* tree = new FTFrame(&shot.frame, shot.frame.Registry());
    tree->Show();
    tree->ShowDeepest();
    return tree;
});

ShotRegistration sidewaysShot("family-tree-sideways", [](ShotContext& shot) -> wxWindow* {
    auto* tree = new FTFrame(&shot.frame, shot.frame.Registry());
    tree->Show();
    tree->ShowDeepest();
    tree->SetOrientation(ChartOrientation::Sideways);
    return tree;
});

ShotRegistration descendantsShot("family-tree-descendants", [](ShotContext& shot) -> wxWindow* {
    auto* tree = new FTFrame(&shot.frame, shot.frame.Registry());
    tree->Show();
    // The Sim with the most descendants: one of the oldest generation of the biggest family.
    tree->ShowDeepest();
    tree->SetKind(ChartKind::Descendants);
    int32_t best = -1;
    size_t most = 0;
    for (const Sim* sim : shot.frame.Registry().allSims) {
        tree->ShowSim(sim->id);
        if (tree->Layout().boxes.size() > most) {
            most = tree->Layout().boxes.size();
            best = sim->id;
        }
    }
    tree->ShowSim(best);
    return tree;
});

ShotRegistration setupShot("tree-setup", [](ShotContext& shot) -> wxWindow* {
    shot.frame.Registry().SortAndIndex();
    return new EnterFamilyTreeDlg(&shot.frame, shot.frame.Registry());
});
}  // namespace
