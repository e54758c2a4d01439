#include "moves/TransferDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {
enum { ID_LIST = 2 };

}  // namespace

TransferDlg::TransferDlg(wxWindow* parent, const SimRegistry& registry, const std::string& excludedName)
    : wxDialog(parent, wxID_ANY, _("Transfer Sim"), wxDefaultPosition, wxSize(240, 300),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry), excludedName_(excludedName) {
    promptText_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    list_ = new RowListCtrl(this, ID_LIST, FontScaled(this, wxSize(140, 170)));
    moveText_ = new wxStaticText(this, wxID_ANY, _("Will move to family:"));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, wxID_CANCEL, _("&Cancel")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(10);
    sizer->Add(promptText_, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
    sizer->Add(list_, 1, wxALL | wxEXPAND, 10);
    sizer->Add(moveText_, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
    SetSizerAndFit(sizer);

    Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { OnSelect(); }, ID_LIST);
    Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) {
        if (Accept()) EndModal(wxID_OK);
    }, ID_LIST);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (Accept()) EndModal(wxID_OK);
    }, wxID_OK);
}

void TransferDlg::UseSimMode() {
    simMode_ = true;
    moveText_->SetLabel(wxEmptyString);
}

int TransferDlg::ShowModal() {
    Prepare();
    return wxDialog::ShowModal();
}

void TransferDlg::Prepare() {
    if (prompt_.empty()) prompt_ = _("Select the New Family to move to:");
    promptText_->SetLabel(prompt_);
    Fill();
    // The prompt and the longest entry decide the width (up to a sensible width; the
    // list scrolls sideways beyond it).
    const wxSize design = FontScaled(this, wxSize(140, 170));
    list_->SetMinSize(wxSize(std::clamp(list_->ContentWidth() + FontScaledWidth(this, 24), design.x,
                                        FontScaledWidth(this, 480)),
                             design.y));
    GetSizer()->SetSizeHints(this);
}

void TransferDlg::Fill() {
    std::vector<wxString> labels;
    std::vector<int32_t> ids;
    if (simMode_) {
        for (const Sim* sim : registry_.allSims) {
            labels.push_back(ToWx(sim->ShownFullName()));
            ids.push_back(sim->id);
        }
    } else {
        for (const Family* family : registry_.families) {
            if (family->name == excludedName_) continue;
            labels.push_back(ToWx(family->name));
            ids.push_back(family->id);
        }
    }
    list_->SetSortedRows(std::move(labels), std::move(ids));
}

void TransferDlg::OnSelect() {
    if (simMode_) return;
    const int row = list_->GetSelection();
    if (row == wxNOT_FOUND) return;
    moveText_->SetLabel(wxString::Format(_("Will move to family: %s"), list_->GetString(row)));
    Layout();
}

bool TransferDlg::Accept() {
    const int32_t id = list_->SelectedId();
    if (id == -1) {
        ShowNotice(_("Please select an item"), wxGetTranslation(Caption::Message), this);
        return false;
    }
    if (simMode_)
        chosenSimId_ = id;
    else
        chosenFamilyId_ = id;
    return true;
}
