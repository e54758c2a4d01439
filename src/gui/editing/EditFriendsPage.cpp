#include "editing/EditFriendsPage.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/WxString.h"
#include "editing/EnterFriendsDlg.h"
#include "editing/SimEdit.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {
enum { ID_MODIFY = 11, ID_LIST = 12 };
}

EditFriendsPage::EditFriendsPage(wxWindow* parent, SimRegistry& registry) : EditSimPage(parent), registry_(registry) {
    list_ = new wxListView(this, ID_LIST, wxDefaultPosition, FontScaled(this, wxSize(300, 200)),
                           wxLC_REPORT | wxLC_SINGLE_SEL);
    list_->AppendColumn(_("Name"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 120));
    list_->AppendColumn(_("Gender"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 70));
    list_->AppendColumn(_("Age"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 70));
    count_ = new wxStaticText(this, wxID_ANY, "0");
    auto* countRow = new wxBoxSizer(wxHORIZONTAL);
    countRow->Add(new wxStaticText(this, wxID_ANY, _("Number of friends:")), 0, wxRIGHT, 6);
    countRow->Add(count_);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Current Friends:")), 0, wxALL, 8);
    sizer->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    sizer->Add(countRow, 0, wxALL, 8);
    sizer->Add(new wxButton(this, ID_MODIFY, _("Modify Friends...")), 0, wxLEFT | wxRIGHT, 8);
    SetSizer(sizer);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ModifyFriends(); }, ID_MODIFY);
    Bind(wxEVT_LIST_COL_CLICK, &EditFriendsPage::OnColumn, this, ID_LIST);
}

void EditFriendsPage::LoadFromSim(Sim* sim) {
    sim_ = sim;
    pending_ = sim ? sim->friendIds : std::vector<int32_t>();
    loaded_ = pending_;
    rows_ = FriendRows(registry_, pending_);
    Fill();
}

void EditFriendsPage::Fill() {
    list_->DeleteAllItems();
    for (const FriendRow& row : rows_) {
        const long at = list_->InsertItem(list_->GetItemCount(), ToWx(row.name));
        list_->SetItem(at, 1, ToWx(row.gender));
        list_->SetItem(at, 2, ToWx(row.age));
    }
    count_->SetLabel(wxString::Format("%d", static_cast<int>(rows_.size())));
    Layout();
}

void EditFriendsPage::OnColumn(wxListEvent& event) {
    SortFriendRows(rows_, event.GetColumn());
    Fill();
}

void EditFriendsPage::ModifyFriends() {
    EnterFriendsDlg picker(this, registry_, pending_, sim_);
    if (picker.ShowModal() != wxID_OK) return;
    pending_ = picker.Ids();
    rows_ = FriendRows(registry_, pending_);
    Fill();
}

bool EditFriendsPage::SaveToSim(SimEdit& edit) {
    if (!sim_) return false;
    if (!SameFriendSet(pending_, loaded_)) edit.friends = pending_;
    return true;
}
