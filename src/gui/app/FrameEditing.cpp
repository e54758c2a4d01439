#include "app/NestrelFrame.h"
#include "common/WxString.h"
#include "editing/NewFamilyDlg.h"
#include "model/Family.h"

#include <wx/listbox.h>

#include "app/RowListCtrl.h"

void NestrelFrame::AddFamily() {
    std::unique_ptr<Family> family = registry_.NewFamily("");
    NewFamilyDlg dlg(this, registry_, &careerInfo_.careers, *family);
    if (dlg.ShowModal() != wxID_OK) return;  // the family goes; its id stays used
    Family* added = registry_.AddFamily(std::move(family));
    dlg.Pending().CommitTo(*added);
    SetModified(true);
    RefreshFamilies();
}

void NestrelFrame::EditFamily(int32_t familyId, int32_t preselectSimId) {
    Family* family = registry_.families.FindById(familyId);
    if (family == nullptr) return;
    bool changed = false;
    {
        NewFamilyDlg dlg(this, registry_, &careerInfo_.careers, *family, preselectSimId);
        const bool ok = dlg.ShowModal() == wxID_OK;
        if (ok) dlg.Pending().CommitTo(*family);
        changed = ok || dlg.Changed();
    }
    // The dialog kept the family while it ran, also when its last member was
    // removed; a cancelled dialog that left it without members drops it now.
    if (DropFamilyIfEmpty(registry_, family)) changed = true;
    if (changed) SetModified(true);
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
