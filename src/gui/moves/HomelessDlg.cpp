#include "moves/HomelessDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/DeletionEffects.h"
#include "model/SimRegistry.h"
#include "moves/HouseholdMoves.h"

namespace {
enum { ID_MOVE_IN = 0, ID_DELETE = 1 };
}

HomelessDlg::HomelessDlg(wxWindow* parent, SimRegistry& registry, std::function<void(const wxString&)> changed)
    : wxDialog(parent, wxID_ANY, _("Homeless Families"), wxDefaultPosition, wxSize(300, 350),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER, "dialog"),
      registry_(registry), changed_(std::move(changed)) {
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(new wxStaticText(this, wxID_ANY, _("Family List")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
    top->Add(new wxButton(this, ID_MOVE_IN, _("&Move In")), 0, wxRIGHT, 6);
    top->Add(new wxButton(this, ID_DELETE, _("&Delete")));

    list_ = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, FontScaled(this, wxSize(250, 240)),
                           wxLC_REPORT | wxLC_HRULES | wxLC_VRULES | wxLC_SINGLE_SEL);
    list_->InsertColumn(0, _("Family Name"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 80));
    list_->InsertColumn(1, _("Num"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 40));
    list_->InsertColumn(2, _("Members"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 190));

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(top, 0, wxALL, 8);
    sizer->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    sizer->Add(new wxButton(this, wxID_OK, _("&Close")), 0, wxALIGN_CENTER | wxALL, 8);
    SetSizerAndFit(sizer);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MoveIn(); }, ID_MOVE_IN);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { DeleteFamily(); }, ID_DELETE);
    Fill();
    // The list is as wide as its columns, so that no member's name is cut off.
    int width = 0;
    for (int column = 0; column < list_->GetColumnCount(); ++column) width += list_->GetColumnWidth(column);
    list_->SetMinSize(wxSize(std::max(width + FontScaledWidth(this, 20), list_->GetMinSize().x), list_->GetMinSize().y));
    GetSizer()->SetSizeHints(this);
}

void HomelessDlg::Fill() {
    list_->DeleteAllItems();
    rowIds_.clear();
    long row = 0;
    for (const HomelessRow& entry : HomelessRows(registry_.families)) {
        list_->InsertItem(row, ToWx(entry.name));
        list_->SetItem(row, 1, wxString::Format("%d", entry.memberCount));
        list_->SetItem(row, 2, ToWx(entry.members));
        rowIds_.push_back(entry.familyId);
        ++row;
    }
    // Long member lists widen their column instead of being cut off.
    for (int column : {0, 2}) {
        const int designed = list_->GetColumnWidth(column);
        list_->SetColumnWidth(column, wxLIST_AUTOSIZE);
        if (list_->GetColumnWidth(column) < designed) list_->SetColumnWidth(column, designed);
    }
}

int32_t HomelessDlg::SelectedFamilyId(const wxString& nothingSelected) {
    const long row = list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (row < 0) {
        ShowNotice(nothingSelected, wxGetTranslation(Caption::Message), this);
        return -1;
    }
    const int32_t id = row < static_cast<long>(rowIds_.size()) ? rowIds_[static_cast<size_t>(row)] : -1;
    if (registry_.families.FindById(id) == nullptr) {
        ShowNotice(_("Error: Invalid Family"), wxGetTranslation(Caption::Message), this);
        return -1;
    }
    return id;
}

void HomelessDlg::MoveIn() {
    const int32_t id = SelectedFamilyId(_("Please select a family to move in first."));
    if (id < 0) return;
    registry_.SetHomeless(registry_.families.FindById(id), false);
    if (changed_) changed_(_("Move In"));
    Fill();
}

void HomelessDlg::DeleteFamily() {
    const int32_t id = SelectedFamilyId(_("Please select a family to delete first."));
    if (id < 0) return;
    Family* family = registry_.families.FindById(id);
    wxString question =
        wxString::Format(_("Are you sure you want to delete the entire family %s? This will delete the friend "
                           "connections too."),
                         ToWx(family->name));
    std::vector<const Sim*> members;
    for (const Sim* member : family->members) members.push_back(member);
    if (const std::string effects = DeletionEffectsText(EffectsOfDeleting(registry_, members)); !effects.empty())
        question += "\n\n" + ToWx(effects);
    if (!AskYesNoQuestion(question, wxGetTranslation(Caption::DeleteFamily), this)) return;
    registry_.RemoveFamilyWithMembers(family);
    if (changed_) changed_(_("Delete Family"));
    Fill();
}
