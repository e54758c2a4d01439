#include "moves/TransferDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
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
void* IdData(int32_t id) { return reinterpret_cast<void*>(static_cast<intptr_t>(id)); }
int32_t DataId(void* data) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(data)); }
}  // namespace

TransferDlg::TransferDlg(wxWindow* parent, const SimRegistry& registry, const std::string& excludedName)
    : wxDialog(parent, wxID_ANY, _("Transfer Sim"), wxDefaultPosition, wxSize(240, 300),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry), excludedName_(excludedName) {
    promptText_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    list_ = new wxListBox(this, ID_LIST, wxDefaultPosition, FontScaled(this, wxSize(140, 170)), 0, nullptr,
                          wxLB_SINGLE | wxLB_SORT | wxLB_HSCROLL);
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
    // The prompt and the longest entry decide the width.
    GetSizer()->SetSizeHints(this);
}

void TransferDlg::Fill() {
    list_->Clear();
    if (simMode_) {
        for (const Sim* sim : registry_.allSims) list_->Append(ToWx(sim->ShownFullName()), IdData(sim->id));
        return;
    }
    for (const Family* family : registry_.families) {
        if (family->name == excludedName_) continue;
        list_->Append(ToWx(family->name), IdData(family->id));
    }
}

void TransferDlg::OnSelect() {
    if (simMode_) return;
    const int row = list_->GetSelection();
    if (row == wxNOT_FOUND) return;
    moveText_->SetLabel(wxString::Format(_("Will move to family: %s"), list_->GetString(row)));
    Layout();
}

bool TransferDlg::Accept() {
    const int row = list_->GetSelection();
    if (row == wxNOT_FOUND) {
        ShowNotice(_("Please select an item"), wxGetTranslation(Caption::Message), this);
        return false;
    }
    const int32_t id = DataId(list_->GetClientData(static_cast<unsigned>(row)));
    if (simMode_)
        chosenSimId_ = id;
    else
        chosenFamilyId_ = id;
    return true;
}
