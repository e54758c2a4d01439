#include "moves/MoveOutDlg.h"

#include <algorithm>
#include <vector>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "moves/HouseholdMoves.h"

namespace {
void* IdData(int32_t id) { return reinterpret_cast<void*>(static_cast<intptr_t>(id)); }
int32_t DataId(void* data) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(data)); }
}  // namespace

MoveOutDlg::MoveOutDlg(wxWindow* parent, SimRegistry& registry, int32_t familyId)
    : wxDialog(parent, wxID_ANY, _("Move Out Sims"), wxDefaultPosition, wxSize(270, 230),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry), familyId_(familyId) {
    const Family* family = registry_.families.FindById(familyId);
    members_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, FontScaled(this, wxSize(100, 90)), 0, nullptr,
                             wxLB_EXTENDED | wxLB_SORT | wxLB_HSCROLL);
    name_ = new wxTextCtrl(this, wxID_ANY, family ? ToWx(family->name) : wxString(), wxDefaultPosition,
                           FontScaled(this, wxSize(80, 25)));
    std::vector<wxString> names;
    if (family != nullptr)
        for (const Sim* member : family->members) {
            names.push_back(ToWx(member->ShownFullName()));
            members_->Append(names.back(), IdData(member->id));
        }
    // Every member in view at once (up to a dozen; a bigger family scrolls), and no
    // name cut off.
    constexpr int kRowsShown = 12;
    members_->SetMinSize(wxSize(ListWidthForTexts(members_, 100, names),
                                ListHeightForRows(members_, std::min<int>(names.size(), kRowsShown), 90)));

    auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
    nameRow->Add(new wxStaticText(this, wxID_ANY, _("Please enter a unique name:")), 0,
                 wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    nameRow->Add(name_, 1, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, wxID_CANCEL, _("&Cancel")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(10);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Select the Sims who are moving out:")), 0, wxLEFT | wxRIGHT, 10);
    sizer->Add(members_, 1, wxALL | wxEXPAND, 10);
    sizer->Add(nameRow, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
    SetSizerAndFit(sizer);
    name_->SelectAll();
    name_->SetFocus();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (Accept()) EndModal(wxID_OK);
    }, wxID_OK);
}

bool MoveOutDlg::Accept() {
    Family* family = registry_.families.FindById(familyId_);
    if (family == nullptr) {
        ShowNotice(_("Error: Invalid Family"), wxGetTranslation(Caption::Message), this);
        return false;
    }
    // The entries in list order (the list sorts them by name).
    std::vector<int32_t> ids;
    for (unsigned i = 0; i < members_->GetCount(); ++i)
        if (members_->IsSelected(static_cast<int>(i))) ids.push_back(DataId(members_->GetClientData(i)));
    std::string problem = MoveOutSelectionProblem(ids.size(), members_->GetCount());
    Family* moved = nullptr;
    if (problem.empty()) moved = MoveOut(registry_, *family, ids, ToStd(name_->GetValue()), &problem);
    if (moved == nullptr) {
        ShowNotice(ToWx(problem), wxGetTranslation(Caption::Message), this);
        return false;
    }
    newFamilyId_ = moved->id;
    return true;
}
