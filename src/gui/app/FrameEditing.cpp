#include "app/NestrelFrame.h"
#include "base/Utf8Text.h"
#include "common/WxString.h"
#include "app/CommandIds.h"
#include "editing/EnterFriendsDlg.h"
#include "editing/NewFamilyDlg.h"
#include "model/Family.h"

#include <wx/listbox.h>

#include "app/RowListCtrl.h"

void NestrelFrame::AddFamily() {
    std::unique_ptr<Family> family = registry_.NewFamily("");
    // The step spans the dialog: its new members can marry or befriend Sims already here.
    HistoryStep step(&history_, ToStd(_("Add Family")));
    NewFamilyDlg dlg(this, registry_, &careerInfo_.careers, *family);
    if (dlg.ShowModal() != wxID_OK) return;  // the family goes; its id stays used
    registry_.AddFamily(std::move(family));
    ApplyFamilyEdit(registry_, dlg.Edit());
    StepDone(step.Finish());
    SetModified(true);
    RefreshFamilies();
}

void NestrelFrame::EditFamily(int32_t familyId, int32_t preselectSimId) {
    Family* family = registry_.families.FindById(familyId);
    if (family == nullptr) return;
    bool changed = false;
    HistoryStep step(&history_, ToStd(wxString::Format(_("Edit Family %s"), ToWx(TextAsUtf8(family->name)))));
    // The dialog and the Edit Sim dialogs it opens write the members directly.
    TouchFamily(family);
    {
        NewFamilyDlg dlg(this, registry_, &careerInfo_.careers, *family, preselectSimId);
        const bool ok = dlg.ShowModal() == wxID_OK;
        // The dialog changed only its working copy; OK brings every change over
        // in one step, Cancel leaves the neighborhood as it was.
        if (ok) ApplyFamilyEdit(registry_, dlg.Edit());
        changed = ok;
    }
    // The family stays while the dialog edits it, also when its last member
    // was removed there; with no member left after OK it goes now.
    if (changed) DropFamilyIfEmpty(registry_, family);
    StepDone(step.Finish());
    RefreshFamilies();
}

void NestrelFrame::OnAddFamily(wxCommandEvent&) { AddFamily(); }

void NestrelFrame::OnEditFamily(wxCommandEvent&) {
    Family* family = SelectedFamilyForEdit();
    if (family == nullptr) return;
    // The Sim selected in the Sim list, if any, is pre-selected; none is no error here.
    int32_t simId = -1;
    const int row = simListBox_->GetSelection();
    if (row != wxNOT_FOUND && row < static_cast<int>(simRowIds_.size())) simId = simRowIds_[static_cast<size_t>(row)];
    EditFamily(family->id, simId);
}

void NestrelFrame::OnFamilyDoubleClick(wxCommandEvent& event) { OnEditFamily(event); }

void NestrelFrame::OnSimDoubleClick(wxCommandEvent& event) { OnEditFamily(event); }

void NestrelFrame::BindEditingCommands() {
    // Tools and menu items send menu events, the panel's buttons button events.
    Bind(wxEVT_MENU, &NestrelFrame::OnEditFriends, this, ID_EDIT_FRIENDS);
    Bind(wxEVT_BUTTON, &NestrelFrame::OnEditFriends, this, ID_EDIT_FRIENDS);
    Bind(wxEVT_MENU, &NestrelFrame::OnEditChemistry, this, ID_EDIT_CHEMISTRY);
    Bind(wxEVT_BUTTON, &NestrelFrame::OnEditChemistry, this, ID_EDIT_CHEMISTRY);
}

void NestrelFrame::OnEditFriends(wxCommandEvent&) {
    Sim* sim = SelectedSim();
    if (sim == nullptr) return;
    const int32_t simId = sim->id;
    EnterFriendsDlg picker(this, registry_, sim->friendIds, sim);
    if (picker.ShowModal() != wxID_OK) return;
    // The picker may have outlived the Sim's record; look it up again.
    sim = registry_.FindSim(simId);
    if (sim == nullptr) return;
    HistoryStep step(&history_, ToStd(wxString::Format(_("Edit Friends %s"), ToWx(sim->ShownFullName()))));
    SaveFriends(registry_, *sim, picker.Ids());
    StepDone(step.Finish());
    RefreshFamilies();
}

void NestrelFrame::OnEditChemistry(wxCommandEvent&) {
    Sim* sim = SelectedSim();
    if (sim == nullptr) return;
    const int32_t simId = sim->id;
    EnterChemistryDlg picker(this, registry_, ChemistryOf(*sim), sim);
    if (picker.ShowModal() != wxID_OK) return;
    sim = registry_.FindSim(simId);
    if (sim == nullptr) return;
    HistoryStep step(&history_, ToStd(wxString::Format(_("Edit Chemistry %s"), ToWx(sim->ShownFullName()))));
    registry_.Touch(sim);
    SaveChemistry(registry_, *sim, picker.Entries());
    StepDone(step.Finish());
    RefreshFamilies();
}
