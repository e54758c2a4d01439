#include "chemistry/ShowChemDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "base/FileIO.h"
#include "chemistry/ChemSummary.h"
#include "common/FileNameAsker.h"
#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

namespace {
enum { ID_AGE = 0, ID_CHEM_LIST = 5, ID_SIM_LIST = 9, ID_WRITE = 11 };
}  // namespace

ShowChemDlg::ShowChemDlg(wxWindow* parent, const SimRegistry& registry, const wxSize& size)
    : wxDialog(parent, wxID_ANY, _("Chemistry Summary"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry) {
    wxArrayString ages;
    for (int32_t stage : {kLifeStageElder, kLifeStageAdult, kLifeStageTeen}) ages.Add(ToWx(LifeStageText(stage)));
    ageBox_ = new wxRadioBox(this, ID_AGE, _("&Select Age"), wxDefaultPosition, wxDefaultSize, ages, 3,
                             wxRA_SPECIFY_COLS);
    simList_ = new RowListCtrl(this, ID_SIM_LIST, FontScaled(this, wxSize(100, 200)));
    chemList_ = new wxListCtrl(this, ID_CHEM_LIST, wxDefaultPosition, FontScaled(this, wxSize(160, 200)),
                               wxLC_REPORT | wxLC_SINGLE_SEL);
    chemList_->AppendColumn(_("Name"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 100));
    chemList_->AppendColumn(_("Type"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 100));
    matchLabel_ = new wxStaticText(this, wxID_ANY, _("Match: "));

    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(simList_, 1, wxEXPAND | wxRIGHT, 8);
    lists->Add(chemList_, 2, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&Close")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, ID_WRITE, _("&Write to File")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(ageBox_, 0, wxEXPAND | wxALL, 8);
    sizer->Add(lists, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    sizer->Add(matchLabel_, 0, wxEXPAND | wxALL, 8);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxBOTTOM, 8);
    SetSizerAndFit(sizer);
    const wxSize wanted = FontScaled(this, size);
    SetSize(std::max(wanted.x, GetSize().x), std::max(wanted.y, GetSize().y));

    ageBox_->SetSelection(2);
    FillSimsOfAge(kLifeStageTeen);

    Bind(wxEVT_RADIOBOX, [this](wxCommandEvent&) { FillSimsOfAge(ageBox_->GetSelection()); }, ID_AGE);
    Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ShowSimChemistry(); }, ID_SIM_LIST);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { WriteChemistryFile(); }, ID_WRITE);
}

void ShowChemDlg::FillSimsOfAge(int32_t lifeStage) {
    simList_->Clear();
    chemList_->DeleteAllItems();
    // No Sim of the new age is selected, so no one's match is shown.
    matchLabel_->SetLabel(_("Match: "));
    std::vector<wxString> texts;
    std::vector<int32_t> ids;
    for (const SimEntry& entry : SummarySims(registry_, lifeStage)) {
        texts.push_back(ToWx(entry.text));
        ids.push_back(entry.simId);
    }
    simList_->SetRows(std::move(texts), std::move(ids));
}

void ShowChemDlg::ShowSimChemistry() {
    const Sim* sim = registry_.FindSim(simList_->SelectedId());
    if (sim == nullptr) return;
    const Sim* partner = sim->Partner(registry_);
    matchLabel_->SetLabel(_("Match: ") + (partner ? ToWx(partner->ShownFullName()) : wxString()));
    chemList_->DeleteAllItems();
    for (const ChemRow& row : SummaryChemistryRows(registry_, *sim)) {
        const long item = chemList_->InsertItem(chemList_->GetItemCount(), ToWx(row.name));
        chemList_->SetItem(item, 1, ToWx(row.type));
    }
}

void ShowChemDlg::WriteChemistryFile() {
    // An empty report is no report: say so instead of writing an empty file.
    if (simList_->GetCount() == 0) {
        ShowNotice(_("There are no Sims of this age to write."), _(Caption::Message), this);
        return;
    }
    FileNameRequest request;
    request.parent = this;
    request.message = _("Save the chemistry data as");
    request.extension = "txt";
    request.wildcard = "*.txt";
    request.forSaving = true;
    const std::string chosen = ToStd(AskFileName(request));
    if (chosen.empty()) return;
    const std::string path = ReportFileName(chosen);
    std::string error;
    if (!WriteChemistryReport(path, ChemistryReportLines(registry_, ageBox_->GetSelection()), error))
        ShowMessageBox(wxString::Format(_("The chemistry data could not be written to\n%s\n\n%s"), ToWx(path),
                                        ToWx(error)),
                       _(Caption::Error), wxOK | wxICON_ERROR | wxCENTRE, this);
}
