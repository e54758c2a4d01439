#include "reports/SimSearchDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/NestrelFrame.h"
#include "common/FontScale.h"
#include "common/WxString.h"
#include "model/Sim.h"
#include "reports/SimSearch.h"

namespace {
enum { ID_NAME = 2, ID_RESULTS = 3, ID_GO = 4, ID_INFO = 5, ID_FAMILY = 6 };
}  // namespace

SimSearchDlg::SimSearchDlg(wxWindow* parent, NestrelFrame& frame, bool withActions)
    : wxDialog(parent, wxID_ANY, _("Search For Sim"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      frame_(frame), withActions_(withActions) {
    nameField_ = new wxTextCtrl(this, ID_NAME, wxEmptyString, wxDefaultPosition, FontScaled(this, wxSize(150, 25)),
                                wxTE_PROCESS_ENTER);
    // The results come in the order they are shown; the list does not sort them again.
    results_ = new wxListBox(this, ID_RESULTS, wxDefaultPosition, FontScaled(this, wxSize(180, 100)), 0, nullptr,
                             wxLB_SINGLE | wxLB_HSCROLL);

    auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
    nameRow->Add(nameField_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    nameRow->Add(new wxButton(this, ID_GO, _("Go")), 0, wxALIGN_CENTER_VERTICAL);

    auto* resultsRow = new wxBoxSizer(wxHORIZONTAL);
    resultsRow->Add(results_, 1, wxEXPAND);
    if (withActions) {
        auto* actions = new wxBoxSizer(wxVERTICAL);
        actions->Add(new wxButton(this, ID_INFO, _("Info...")), 0, wxEXPAND | wxBOTTOM, 5);
        actions->Add(new wxButton(this, ID_FAMILY, _("Family...")), 0, wxEXPAND);
        resultsRow->Add(actions, 0, wxLEFT, 10);
        Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowSelectedInfo(); }, ID_INFO);
        Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowSelectedFamily(); }, ID_FAMILY);
    }

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Enter the first name:")), 0, wxLEFT | wxRIGHT | wxTOP, 10);
    sizer->Add(nameRow, 0, wxEXPAND | wxALL, 10);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Results:")), 0, wxLEFT | wxRIGHT, 10);
    sizer->Add(resultsRow, 1, wxEXPAND | wxALL, 10);
    sizer->Add(new wxButton(this, wxID_OK, _("&Close")), 0, wxALIGN_CENTER | wxBOTTOM, 10);
    SetSizer(sizer);
    sizer->SetSizeHints(this);
    const wxSize design = FontScaled(this, wxSize(300, 330));
    SetSize(wxSize(std::max(GetSize().x, design.x), std::max(GetSize().y, design.y)));

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SearchByFirstName(); }, ID_GO);
    Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { SearchByFirstName(); }, ID_NAME);
    Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { ShowSelectedInfo(); }, ID_RESULTS);
    nameField_->SetFocus();
}

void SimSearchDlg::SearchByFirstName() {
    const std::string text = ToStd(nameField_->GetValue());
    if (text.empty()) return;
    results_->Clear();
    resultIds_.clear();
    const std::vector<SearchEntry> found = ::SearchByFirstName(frame_.Registry().families, text);
    wxArrayString texts;
    for (const SearchEntry& entry : found) {
        texts.Add(ToWx(entry.text));
        resultIds_.push_back(entry.simId);
    }
    if (!texts.empty()) results_->Append(texts);
}

int32_t SimSearchDlg::SelectedSimId() const {
    const int row = results_->GetSelection();
    if (row == wxNOT_FOUND || row >= static_cast<int>(resultIds_.size())) return -1;
    return resultIds_[static_cast<size_t>(row)];
}

void SimSearchDlg::ShowSelectedInfo() {
    const int32_t simId = SelectedSimId();
    if (frame_.Registry().FindSim(simId) == nullptr) return;
    // Picking a Sim for another dialog, that dialog may be editing the family: the
    // card then offers no way into a family dialog of its own.
    frame_.ShowSimInfo(this, simId, withActions_);
}

void SimSearchDlg::ShowSelectedFamily() {
    const Sim* sim = frame_.Registry().FindSim(SelectedSimId());
    if (sim == nullptr || sim->family == nullptr) return;
    frame_.EditFamily(sim->family->id, sim->id);
}
