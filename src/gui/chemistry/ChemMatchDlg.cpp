#include "chemistry/ChemMatchDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "app/ConfigStore.h"
#include "chemistry/ChemMatchConfirmDlg.h"
#include "chemistry/CompareChemDlg.h"
#include "chemistry/ShowChemDlg.h"
#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

namespace {
enum { ID_AGE = 0, ID_DIFFERENT_AGES = 1, ID_TOWNIES = 2, ID_MATCHED_UP = 3, ID_MARRIED = 4, ID_RESULTS = 5,
       ID_GENERATE = 6, ID_SHOW_CHEMISTRY = 7, ID_ACCEPT = 8 };
}  // namespace

ChemMatchDlg::ChemMatchDlg(wxWindow* parent, SimRegistry& registry, const wxSize& size)
    : wxDialog(parent, wxID_ANY, _("Chemistry Matching"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry) {
    wxArrayString ages;
    for (int32_t stage : {kLifeStageElder, kLifeStageAdult, kLifeStageTeen}) ages.Add(ToWx(LifeStageText(stage)));
    ageBox_ = new wxRadioBox(this, ID_AGE, _("1. &Select Age"), wxDefaultPosition, wxDefaultSize, ages, 1,
                             wxRA_SPECIFY_COLS);
    ageBox_->SetSelection(2);

    auto* optionsBox = new wxStaticBoxSizer(wxVERTICAL, this, _("2. Options for the match"));
    wxWindow* box = optionsBox->GetStaticBox();
    options_[0] = new wxCheckBox(box, ID_TOWNIES, _("&Include Townies"));
    options_[1] = new wxCheckBox(box, ID_DIFFERENT_AGES, _("&Allow different ages for match"));
    options_[2] = new wxCheckBox(box, ID_MATCHED_UP, _("Ma&tched up"));
    options_[3] = new wxCheckBox(box, ID_MARRIED, _("Married/&Going Steady"));
    optionsBox->Add(options_[0], 0, wxALL, 3);
    optionsBox->Add(options_[1], 0, wxALL, 3);
    optionsBox->Add(new wxStaticText(box, wxID_ANY, _("Include statuses:")), 0, wxALL, 3);
    optionsBox->Add(options_[2], 0, wxLEFT | wxALL, 3);
    optionsBox->Add(options_[3], 0, wxLEFT | wxALL, 3);

    auto* resultsBox = new wxStaticBoxSizer(wxVERTICAL, this, _("3. View Results"));
    wxWindow* rbox = resultsBox->GetStaticBox();
    auto* resultButtons = new wxBoxSizer(wxHORIZONTAL);
    resultButtons->Add(new wxButton(rbox, ID_GENERATE, _("Generate &Results")), 0, wxRIGHT, 8);
    resultButtons->Add(new wxButton(rbox, ID_ACCEPT, _("&Accept Match")));
    results_ = new wxListCtrl(rbox, ID_RESULTS, wxDefaultPosition, FontScaled(this, wxSize(270, 200)),
                              wxLC_REPORT | wxLC_SINGLE_SEL);
    results_->AppendColumn(_("Female"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 100));
    results_->AppendColumn(_("Male"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 100));
    results_->AppendColumn(_("Type"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 80));
    made_ = new wxStaticText(rbox, wxID_ANY, wxEmptyString);
    made_->SetForegroundColour(wxColour(0, 0, 255));
    resultsBox->Add(resultButtons, 0, wxALL, 4);
    resultsBox->Add(results_, 1, wxEXPAND | wxALL, 4);
    resultsBox->Add(made_, 0, wxEXPAND | wxALL, 4);

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(ageBox_, 0, wxEXPAND | wxBOTTOM, 8);
    left->Add(optionsBox, 0, wxEXPAND | wxBOTTOM, 8);
    left->Add(new wxButton(this, ID_SHOW_CHEMISTRY, _("Show Che&mistry")), 0, wxALIGN_LEFT);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(left, 0, wxEXPAND | wxALL, 8);
    top->Add(resultsBox, 1, wxEXPAND | wxALL, 8);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(top, 1, wxEXPAND);
    sizer->Add(new wxButton(this, wxID_CANCEL, _("&Close")), 0, wxALIGN_CENTER | wxBOTTOM, 8);
    SetSizerAndFit(sizer);
    const wxSize wanted = FontScaled(this, size);
    SetSize(std::max(wanted.x, GetSize().x), std::max(wanted.y, GetSize().y));

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { GenerateResults(); }, ID_GENERATE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AcceptMatch(); }, ID_ACCEPT);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowChemistry(); }, ID_SHOW_CHEMISTRY);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { CompareSelected(); }, ID_RESULTS);

    const ChemMatchOptions stored = ReadChemMatchOptions();
    ageBox_->SetSelection(stored.lifeStage);
    options_[0]->SetValue(stored.townies);
    options_[1]->SetValue(stored.differentAges);
    options_[2]->SetValue(stored.matchedUp);
    options_[3]->SetValue(stored.married);
}

ChemMatchDlg::~ChemMatchDlg() { WriteChemMatchOptions(CurrentOptions()); }

ChemMatchOptions ChemMatchDlg::CurrentOptions() const {
    ChemMatchOptions options;
    options.lifeStage = ageBox_->GetSelection();
    options.townies = options_[0]->GetValue();
    options.differentAges = options_[1]->GetValue();
    options.matchedUp = options_[2]->GetValue();
    options.married = options_[3]->GetValue();
    return options;
}

void ChemMatchDlg::GenerateResults() {
    matchResults_ = GenerateMatchResults(registry_, CurrentOptions());
    made_->SetLabel(wxEmptyString);
    results_->DeleteAllItems();
    rowResults_.clear();
    for (const MatchRow& row : MatchRows(registry_, matchResults_)) {
        const long item = results_->InsertItem(results_->GetItemCount(), ToWx(row.female));
        results_->SetItem(item, 1, ToWx(row.male));
        results_->SetItem(item, 2, ToWx(row.type));
        rowResults_.push_back(row.resultIndex);
    }
}

const MatchResult* ChemMatchDlg::SelectedResult() const {
    const long row = results_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (row < 0 || static_cast<size_t>(row) >= rowResults_.size()) return nullptr;
    return &matchResults_[rowResults_[static_cast<size_t>(row)]];
}

void ChemMatchDlg::AcceptMatch() {
    const MatchResult* result = SelectedResult();
    if (result == nullptr) {
        ShowNotice(_("No item selected."), _(Caption::Message), this);
        return;
    }
    // A partner deleted since the results were made is no match either.
    if (!IsValidMatch(registry_, *result)) {
        ShowMessageBox(_("This is not a valid match."), _(Caption::Error), wxOK | wxICON_INFORMATION | wxCENTRE, this);
        return;
    }
    const int32_t simId = result->simId, partnerId = result->partnerId;
    ChemMatchConfirmDlg confirm(this, registry_, simId, partnerId);
    if (confirm.ShowModal() != wxID_OK) return;
    if (!AcceptMatchResult(registry_, *result)) return;
    changed_ = true;
    // The two are matched up now: the proposals are made again so that none of the
    // rows still offers either of them as if they were free, and the window says
    // what was made.
    const Sim* sim = registry_.FindSim(simId);
    const Sim* partner = registry_.FindSim(partnerId);
    GenerateResults();
    if (sim != nullptr && partner != nullptr)
        made_->SetLabel(wxString::Format(_("%s and %s are now matched up."), ToWx(sim->ShownFullName()),
                                         ToWx(partner->ShownFullName())));
    // Long names wrap under the list rather than being cut off.
    made_->Wrap(results_->GetSize().x);
    Layout();
}

void ChemMatchDlg::CompareSelected() {
    const MatchResult* result = SelectedResult();
    if (result == nullptr) return;
    CompareChemDlg compare(this, registry_, result->simId, result->partnerId);
    compare.ShowModal();
}

void ChemMatchDlg::ShowChemistry() {
    ShowChemDlg summary(this, registry_, wxSize(300, 300));
    summary.ShowModal();
}
