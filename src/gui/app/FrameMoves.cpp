// The household commands: homeless families, eviction, moving Sims out and transferring
// a Sim to another family.
#include <wx/listbox.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "app/RowListCtrl.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/Family.h"
#include "moves/HomelessDlg.h"
#include "moves/HouseholdMoves.h"
#include "moves/MoveOutDlg.h"
#include "moves/TransferDlg.h"

namespace {
void Tell(const wxString& text, wxWindow* parent) { ShowNotice(text, wxGetTranslation(Caption::Message), parent); }
}  // namespace

void NestrelFrame::BindMoveCommands() {
    Bind(wxEVT_MENU, &NestrelFrame::OnHomeless, this, ID_HOMELESS);
    Bind(wxEVT_MENU, &NestrelFrame::OnEvict, this, ID_EVICT);
    Bind(wxEVT_MENU, &NestrelFrame::OnMoveOut, this, ID_MOVE_OUT);
    Bind(wxEVT_MENU, &NestrelFrame::OnTransfer, this, ID_TRANSFER);
}

int32_t NestrelFrame::ChosenFamilyId(const wxString& nothingSelected) {
    const int row = familyListBox_->GetSelection();
    if (row == wxNOT_FOUND) {
        Tell(nothingSelected, this);
        return -1;
    }
    const Family* family = (!noFamiliesRow_ && row < static_cast<int>(familyRowIds_.size()))
                               ? registry_.families.FindById(familyRowIds_[static_cast<size_t>(row)])
                               : nullptr;
    if (family == nullptr) {
        Tell(_("Error: Invalid Family"), this);
        return -1;
    }
    return family->id;
}

void NestrelFrame::OnHomeless(wxCommandEvent&) {
    // Each Move In or Delete is a step of its own: the step open while the dialog
    // waits takes the name of what was done, and the next one opens.
    history_.Begin(ToStd(_("Homeless Families")));
    HomelessDlg dlg(this, registry_, [this](const wxString& what) {
        history_.NameStep(ToStd(what));
        StepDone(history_.End());
        RefreshFamilies();
        history_.Begin(ToStd(_("Homeless Families")));
    });
    dlg.ShowModal();
    StepDone(history_.End());
}

void NestrelFrame::OnEvict(wxCommandEvent&) {
    const int32_t id = ChosenFamilyId(_("Please select a family first."));
    if (id < 0) return;
    Family* family = registry_.families.FindById(id);
    const wxString question = wxString::Format(_("Are you sure you want to EVICT family %s?"), ToWx(family->name));
    if (AskYesNoQuestion(question, wxGetTranslation(Caption::Evict), this)) {
        HistoryStep step(&history_, ToStd(_("Evict Family")));
        registry_.SetHomeless(family, true);
        StepDone(step.Finish());
    }
    RefreshFamilies();
}

void NestrelFrame::OnMoveOut(wxCommandEvent&) {
    const int32_t id = ChosenFamilyId(_("Please select a family first."));
    if (id < 0) return;
    int32_t newId = -1;
    HistoryStep step(&history_, ToStd(_("Move Out")));
    {
        MoveOutDlg dlg(this, registry_, id);
        if (dlg.ShowModal() == wxID_OK) newId = dlg.NewFamilyId();
    }
    StepDone(step.Finish());
    if (const Family* moved = registry_.families.FindById(newId)) {
        RefreshFamilies();
        Tell(wxString::Format(_("%s family created in Homeless List"), ToWx(moved->name)), this);
        return;
    }
    RefreshFamilies();
}

void NestrelFrame::OnTransfer(wxCommandEvent&) {
    const int simRow = simListBox_->GetSelection();
    if (simRow == wxNOT_FOUND) {
        Tell(_("Please select a Sim first."), this);
        return;
    }
    Sim* sim = simRow < static_cast<int>(simRowIds_.size()) ? registry_.FindSim(simRowIds_[static_cast<size_t>(simRow)])
                                                            : nullptr;
    if (sim == nullptr) {
        Tell(_("Error: Invalid Sim"), this);
        return;
    }
    const int familyRow = familyListBox_->GetSelection();
    if (familyRow == wxNOT_FOUND) {
        Tell(_("Error: Family of Sim not selected"), this);
        return;
    }
    const Family* family = (!noFamiliesRow_ && familyRow < static_cast<int>(familyRowIds_.size()))
                               ? registry_.families.FindById(familyRowIds_[static_cast<size_t>(familyRow)])
                               : nullptr;
    if (family == nullptr) {
        Tell(_("Error: Invalid Family of Sim"), this);
        return;
    }
    const int32_t simId = sim->id;
    int32_t targetId = -1;
    {
        TransferDlg dlg(this, registry_, family->name);
        if (dlg.ShowModal() == wxID_OK) targetId = dlg.ChosenFamilyId();
    }
    sim = registry_.FindSim(simId);
    Family* target = registry_.families.FindById(targetId);
    if (sim != nullptr && target != nullptr) {
        std::string problem;
        HistoryStep step(&history_, ToStd(_("Transfer Sim")));
        const bool moved = TransferSim(registry_, *sim, *target, &problem);
        StepDone(step.Finish());
        if (!moved) Tell(ToWx(problem), this);
    }
    RefreshFamilies();
}
