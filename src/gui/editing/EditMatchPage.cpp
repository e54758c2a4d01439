#include "editing/EditMatchPage.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statline.h>
#include <wx/stattext.h>

#include "common/ArtProvider.h"
#include "common/FontScale.h"
#include "common/WxString.h"
#include "editing/EnterFriendsDlg.h"
#include "editing/LoveRules.h"
#include "editing/MakeMatchDlg.h"
#include "editing/SimEdit.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {
enum { ID_MODIFY_CHEMISTRY = 13, ID_CHEMISTRY = 14, ID_CHANGE = 15 };

wxStaticText* BlueText(wxWindow* parent, const wxString& text) {
    auto* label = new wxStaticText(parent, wxID_ANY, text);
    label->SetForegroundColour(*wxBLUE);
    return label;
}
}  // namespace

EditMatchPage::EditMatchPage(wxWindow* parent, SimRegistry& registry) : EditSimPage(parent), registry_(registry) {
    match_ = BlueText(this, _("None"));
    statusLabel_ = new wxStaticText(this, wxID_ANY, _("Single"));
    list_ = new wxListView(this, ID_CHEMISTRY, wxDefaultPosition, FontScaled(this, wxSize(260, 100)),
                           wxLC_REPORT | wxLC_SINGLE_SEL);
    list_->AppendColumn(_("Name"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 120));
    list_->AppendColumn(_("Type"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 120));

    auto* heading = new wxBoxSizer(wxHORIZONTAL);
    heading->Add(BlueText(this, _("Love Match")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    heading->Add(new wxStaticBitmap(this, wxID_ANY, IconResource("HEARTREDSMALL", wxSize(16, 16))));
    auto* grid = new wxFlexGridSizer(2, 4, 8);
    grid->Add(new wxStaticText(this, wxID_ANY, _("Current Match:")));
    grid->Add(match_);
    grid->Add(new wxStaticText(this, wxID_ANY, _("Current Status:")));
    grid->Add(statusLabel_);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(heading, 0, wxALL, 8);
    sizer->Add(grid, 0, wxLEFT | wxRIGHT, 8);
    sizer->Add(new wxButton(this, ID_CHANGE, _("Change...")), 0, wxALL, 8);
    sizer->Add(new wxStaticLine(this, wxID_ANY, wxDefaultPosition, wxSize(FontScaledWidth(this, 250), 2)), 0,
               wxLEFT | wxRIGHT, 8);
    sizer->Add(BlueText(this, _("Chemistry")), 0, wxALL, 8);
    sizer->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    sizer->Add(new wxButton(this, ID_MODIFY_CHEMISTRY, _("Modify Chemistry Matches...")), 0, wxALL, 8);
    SetSizer(sizer);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ChangeMatch(); }, ID_CHANGE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ModifyChemistry(); }, ID_MODIFY_CHEMISTRY);
}

void EditMatchPage::LoadFromSim(Sim* sim) {
    sim_ = sim;
    if (!sim) return;
    partnerId_ = sim->partnerId;
    status_ = sim->status;
    lifeStage_ = sim->LifeStage();
    chemistry_ = ChemistryOf(*sim);
    loadedStatus_ = status_;
    loadedPartnerId_ = partnerId_;
    loadedChemistry_ = chemistry_;
    ShowMatch();
    FillChemistry();
}

void EditMatchPage::ShowMatch() {
    const Sim* partner = registry_.FindSim(partnerId_);
    match_->SetLabel(partner ? ToWx(partner->ShownFullName()) : _("None"));
    statusLabel_->SetLabel(ToWx(ShownStatusName(status_)));
    Layout();
}

void EditMatchPage::FillChemistry() {
    list_->DeleteAllItems();
    for (const ChemistryEntry& e : chemistry_) {
        const long at = list_->InsertItem(list_->GetItemCount(), ToWx(e.OtherFullName(registry_)));
        list_->SetItem(at, 1, ToWx(e.TypeName()));
    }
}

void EditMatchPage::ChangeMatch() {
    MakeMatchDlg dlg(this, registry_, status_, partnerId_, sim_, lifeStage_);
    if (dlg.ShowModal() != wxID_OK) return;
    status_ = dlg.Status();
    partnerId_ = dlg.PartnerId();
    ShowMatch();
}

void EditMatchPage::ModifyChemistry() {
    // The picker edits a copy; only its OK changes the pending list.
    EnterChemistryDlg picker(this, registry_, chemistry_, sim_);
    if (picker.ShowModal() != wxID_OK) return;
    chemistry_ = picker.Entries();
    FillChemistry();
}

bool EditMatchPage::SaveToSim(SimEdit& edit) {
    if (!sim_) return false;
    if (status_ != loadedStatus_ || partnerId_ != loadedPartnerId_) edit.match = MatchChoice{status_, partnerId_};
    if (!SameChemistryList(chemistry_, loadedChemistry_)) edit.chemistry = chemistry_;
    return true;
}
