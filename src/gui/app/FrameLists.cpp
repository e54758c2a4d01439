// The family list, the Sim list and the display list, and the list commands of the
// main window: add, edit and delete, refresh, the hour and the selections.
#include <wx/combobox.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>

#include "app/CommandIds.h"
#include "app/DisplayListCtrl.h"
#include "app/MainListRows.h"
#include "app/NestrelFrame.h"
#include "app/RowListCtrl.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/DeletionEffects.h"
#include "model/Vocabulary.h"
#include "base/Translate.h"

namespace {

void TellUser(const char* text) { ShowNotice(wxGetTranslation(text), wxGetTranslation(Caption::Message)); }

constexpr const char* kSelectMember = N_("Please select an item from the Members List.");
constexpr const char* kSelectFamily = N_("Please select a family (left list)");
constexpr const char* kInvalidItem = N_("The Item is invalid. Please select another.");

}  // namespace

void NestrelFrame::RefreshFamilies() {
    const int previous = familyListBox_->GetSelection();
    simListBox_->Clear();
    familyRowIds_.clear();
    simRowIds_.clear();

    FamilyRows built = BuildFamilyRows(registry_);
    noFamiliesRow_ = built.noFamilies;
    std::vector<wxString> labels;
    labels.reserve(built.rows.size());
    familyRowIds_.reserve(built.rows.size());
    for (const FamilyRow& row : built.rows) {
        labels.push_back(ToWx(row.label));
        familyRowIds_.push_back(row.family != nullptr ? row.family->id : -1);
    }
    familyListBox_->SetLabels(std::move(labels));
    if (noFamiliesRow_) return;

    const int selection = RestoredSelection(previous, static_cast<int>(familyRowIds_.size()));
    if (selection >= 0) familyListBox_->SetSelection(selection);
    FillSims();
}

void NestrelFrame::FillSims() {
    simListBox_->Clear();
    simRowIds_.clear();
    const int row = familyListBox_->GetSelection();
    if (row == wxNOT_FOUND || noFamiliesRow_ || row >= static_cast<int>(familyRowIds_.size())) return;
    Family* family = registry_.families.FindById(familyRowIds_[static_cast<size_t>(row)]);
    if (family == nullptr) return;

    SimRows built = BuildSimRows(registry_, *family);
    familyListBox_->SetString(static_cast<unsigned>(row), ToWx(built.familyLabel));
    std::vector<wxString> labels;
    labels.reserve(built.rows.size());
    simRowIds_.reserve(built.rows.size());
    for (const SimRow& sim : built.rows) {
        labels.push_back(ToWx(sim.label));
        simRowIds_.push_back(sim.sim->id);
    }
    simListBox_->SetLabels(std::move(labels));
    if (!simRowIds_.empty()) simListBox_->SetSelection(0);
    RefreshDisplay();
}

void NestrelFrame::RefreshDisplay() {
    switch (displayMode_) {
        case DisplayMode::Nothing:
            return;
        case DisplayMode::CurrentFriends:
            ShowCurrentFriends();
            return;
        case DisplayMode::ChemistrySims:
            ShowChemistrySims();
            return;
        case DisplayMode::PossibleFriends:
            ShowPossibleFriends();
            return;
    }
}

void NestrelFrame::ClearDisplayList() { displayList_->ClearRows(); }

void NestrelFrame::EnableHourChoice(bool enable) { hourChoice_->Enable(enable); }

Sim* NestrelFrame::SelectedSim() {
    const int row = simListBox_->GetSelection();
    if (row == wxNOT_FOUND) {
        TellUser(kSelectMember);
        return nullptr;
    }
    Sim* sim = row < static_cast<int>(simRowIds_.size()) ? registry_.FindSim(simRowIds_[static_cast<size_t>(row)])
                                                         : nullptr;
    if (sim == nullptr) TellUser(kInvalidItem);
    return sim;
}

void NestrelFrame::FillDisplay(std::vector<int32_t> ids, const Sim& reference, bool allFriends) {
    selectedHour_ = ClampDisplayHour(selectedHour_);
    DisplayRequest request;
    request.ids = std::move(ids);
    request.reference = &reference;
    request.allFriends = allFriends;
    request.hour = selectedHour_;
    displayList_->SetRows(BuildDisplayRows(request, registry_, settings_));
}

int32_t NestrelFrame::DisplayRowSimId(long row) const { return displayList_->SimIdAt(row); }

Family* NestrelFrame::SelectedFamilyForEdit() {
    const int row = familyListBox_->GetSelection();
    if (row == wxNOT_FOUND) {
        TellUser(kSelectFamily);
        return nullptr;
    }
    Family* family = (!noFamiliesRow_ && row < static_cast<int>(familyRowIds_.size()))
                         ? registry_.families.FindById(familyRowIds_[static_cast<size_t>(row)])
                         : nullptr;
    if (family == nullptr) TellUser(kInvalidItem);
    return family;
}

void NestrelFrame::OnDeleteSim(wxCommandEvent&) {
    Sim* sim = SelectedSim();
    if (sim == nullptr) return;
    wxString question = wxString::Format(_("Are you sure you want to delete %s?"), ToWx(sim->ShownFullName()));
    if (const std::string effects = DeletionEffectsText(EffectsOfDeleting(registry_, {sim})); !effects.empty())
        question += "\n\n" + ToWx(effects);
    // Only a clear Yes deletes: closing the question is no consent to lose a Sim.
    if (ShowMessageBox(question, wxGetTranslation(Caption::DeleteItem), wxYES_NO | wxICON_WARNING, this) != wxYES)
        return;
    HistoryStep step(&history_, ToStd(_("Delete Sim")));
    registry_.RemoveSim(sim);
    StepDone(step.Finish());
    RefreshFamilies();
}

void NestrelFrame::OnRefresh(wxCommandEvent&) {
    RefreshFamilies();
    ShowStatus(wxEmptyString);
}

void NestrelFrame::OnHourChosen(wxCommandEvent&) {
    const int entry = hourChoice_->GetSelection();
    selectedHour_ = ClampDisplayHour(HourValueForIndex(entry));
    if (!NeighborhoodIsEmpty()) RefreshDisplay();
}

void NestrelFrame::OnFamilyChosen(wxCommandEvent&) { FillSims(); }

void NestrelFrame::OnSimChosen(wxCommandEvent&) { RefreshDisplay(); }

void NestrelFrame::OnDisplayRowActivated(wxListEvent& event) {
    const Sim* sim = registry_.FindSim(displayList_->SimIdAt(event.GetIndex()));
    if (sim == nullptr) {
        TellUser(kInvalidItem);
        return;
    }
    ShowSimInfo(this, sim->id);
    // The card can lead to the family dialog, which may change what the list shows.
    RefreshDisplay();
}

void NestrelFrame::BindListCommands() {
    // A button does what the menu item of its id does.
    for (const auto& type : {wxEVT_MENU, wxEVT_BUTTON}) {
        Bind(type, &NestrelFrame::OnAddFamily, this, ID_ADD_FAMILY);
        Bind(type, &NestrelFrame::OnEditFamily, this, ID_EDIT_FAMILY);
        Bind(type, &NestrelFrame::OnDeleteSim, this, ID_DELETE_SIM);
    }
    Bind(wxEVT_MENU, &NestrelFrame::OnRefresh, this, ID_REFRESH);
    Bind(wxEVT_COMBOBOX, &NestrelFrame::OnHourChosen, this, ID_HOUR_CHOICE);
    Bind(wxEVT_LISTBOX, &NestrelFrame::OnFamilyChosen, this, ID_FAMILY_LIST);
    Bind(wxEVT_LISTBOX_DCLICK, &NestrelFrame::OnFamilyDoubleClick, this, ID_FAMILY_LIST);
    Bind(wxEVT_LISTBOX, &NestrelFrame::OnSimChosen, this, ID_SIM_LIST);
    Bind(wxEVT_LISTBOX_DCLICK, &NestrelFrame::OnSimDoubleClick, this, ID_SIM_LIST);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &NestrelFrame::OnDisplayRowActivated, this, ID_DISPLAY_LIST);
    BindFriendsCommands();
}
