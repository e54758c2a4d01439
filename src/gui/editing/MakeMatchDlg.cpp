#include "editing/MakeMatchDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

namespace {
enum { ID_STATUS = 0, ID_FAMILY = 1, ID_GENDER = 2, ID_FRIENDS = 3, ID_FAMILIES = 4, ID_CANDIDATES = 5 };
void* IdData(int32_t id) { return reinterpret_cast<void*>(static_cast<intptr_t>(id)); }
int32_t DataId(void* data) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(data)); }
}  // namespace

MakeMatchDlg::MakeMatchDlg(wxWindow* parent, SimRegistry& registry, int32_t status, int32_t partnerId, Sim* sim,
                           int32_t lifeStage)
    : wxDialog(parent, wxID_ANY, _("Make Match"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry), sim_(sim), statusCodes_(StatusChoices(sim ? lifeStage : kLifeStageAdult)),
      status_(status), partnerId_(partnerId) {
    wxArrayString statuses;
    for (int32_t code : statusCodes_) statuses.Add(ToWx(StatusText(code)));
    // Wide enough for the longest status beside the drop-down arrow.
    const int statusWidth = ColumnWidthForTexts(this, 90, std::vector<wxString>(statuses.begin(), statuses.end())) +
                            FontScaledWidth(this, 30);
    statusCombo_ = new wxComboBox(this, ID_STATUS, wxEmptyString, wxDefaultPosition, wxSize(statusWidth, -1), statuses,
                                  wxCB_DROPDOWN | wxCB_READONLY);
    filters_[0] = new wxCheckBox(this, ID_FAMILY, _("Family"));
    filters_[1] = new wxCheckBox(this, ID_GENDER, _("Gender"));
    filters_[2] = new wxCheckBox(this, ID_FRIENDS, _("Friends"));
    const long style = wxLB_SINGLE | wxLB_SORT | wxLB_HSCROLL;
    families_ = new wxListBox(this, ID_FAMILIES, wxDefaultPosition, FontScaled(this, wxSize(120, 190)), 0, nullptr, style);
    candidates_ = new wxListBox(this, ID_CANDIDATES, wxDefaultPosition, FontScaled(this, wxSize(120, 190)), 0, nullptr, style);
    // Any Sim of the neighborhood can be a candidate: the lists are as wide as the
    // longest name, so that none is cut off.
    std::vector<wxString> simNames, familyNames;
    for (const Sim* other : registry.allSims) simNames.push_back(ToWx(other->ListLabel()));
    for (const Family* family : registry.families) familyNames.push_back(ToWx(family->name));
    candidates_->SetMinSize(wxSize(ListWidthForTexts(candidates_, 120, simNames), FontScaledHeight(this, 190)));
    families_->SetMinSize(wxSize(ListWidthForTexts(families_, 120, familyNames), FontScaledHeight(this, 190)));
    const Sim* current = registry.FindSim(partnerId);
    auto* currentLabel = new wxStaticText(
        this, wxID_ANY, current ? wxString::Format(_("Current: %s"), ToWx(current->ShownFullName())) : _("Current: None"));
    newMatch_ = new wxStaticText(this, wxID_ANY, wxString::Format(_("New Match: %s"), wxString()));

    auto* statusRow = new wxBoxSizer(wxHORIZONTAL);
    statusRow->Add(new wxStaticText(this, wxID_ANY, _("New Status: ")), 0, wxALIGN_CENTER_VERTICAL);
    statusRow->Add(statusCombo_);
    auto* filterRow = new wxBoxSizer(wxHORIZONTAL);
    filterRow->Add(new wxStaticText(this, wxID_ANY, _("Filter by:")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    filterRow->Add(filters_[0], 0, wxRIGHT, 6);
    filterRow->Add(filters_[2], 0, wxRIGHT, 6);
    filterRow->Add(filters_[1]);
    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(families_, 1, wxEXPAND | wxRIGHT, 6);
    lists->Add(candidates_, 1, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&OK")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, wxID_CANCEL, _("&Cancel")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(statusRow, 0, wxALL, 8);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Select Sim's match:")), 0, wxLEFT | wxRIGHT, 8);
    sizer->Add(filterRow, 0, wxALL, 8);
    sizer->Add(lists, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    sizer->Add(currentLabel, 0, wxLEFT | wxRIGHT | wxTOP, 8);
    sizer->Add(newMatch_, 0, wxLEFT | wxRIGHT, 8);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 8);
    SetSizerAndFit(sizer);

    FillFamilies();
    if (status_ != kStatusNone) statusCombo_->SetStringSelection(ToWx(StatusText(status_)));
    ApplyStatus();
    ShowNewMatch(current ? ToWx(current->ShownFullName()) : wxString());

    Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { ApplyStatus(); }, ID_STATUS);
    for (int id : {ID_FAMILY, ID_GENDER, ID_FRIENDS}) Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { ApplyFilters(); }, id);
    Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ChooseFamily(families_->GetSelection()); }, ID_FAMILIES);
    Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { ChooseCandidate(candidates_->GetSelection()); }, ID_CANDIDATES);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { if (Accept()) EndModal(wxID_OK); }, wxID_OK);
}

MatchFilter MakeMatchDlg::CurrentFilter() const {
    return MatchFilter{filters_[0]->GetValue(), filters_[1]->GetValue(), filters_[2]->GetValue()};
}

void MakeMatchDlg::ShowNewMatch(const wxString& name) {
    newMatch_->SetLabel(wxString::Format(_("New Match: %s"), name));
    Layout();
}

void MakeMatchDlg::ApplyFilters() {
    FillFamilies();
    KeepListedCandidate();
}

void MakeMatchDlg::KeepListedCandidate() {
    std::vector<int32_t> listed;
    for (unsigned i = 0; i < candidates_->GetCount(); ++i) listed.push_back(DataId(candidates_->GetClientData(i)));
    partnerId_ = ListedCandidate(partnerId_, listed, candidates_->GetSelection());
    // "Single" has no match, whatever the (disabled) lists show.
    const int status = statusCombo_->GetSelection();
    if (status != wxNOT_FOUND && statusCodes_[static_cast<size_t>(status)] == kStatusSingle) partnerId_ = -1;
    const Sim* candidate = registry_.FindSim(partnerId_);
    ShowNewMatch(candidate ? ToWx(candidate->ShownFullName()) : _("None"));
}

void MakeMatchDlg::FillFamilies() {
    families_->Clear();
    candidates_->Clear();
    if (!sim_) return;
    const MatchFilter filter = CurrentFilter();
    for (const Family* family : MatchFamilies(registry_, *sim_, filter))
        families_->Append(ToWx(family->name), IdData(family->id));
    if (filter.ownFamily && families_->GetCount() > 0) {
        families_->SetSelection(0);
        ChooseFamily(0);
    }
}

void MakeMatchDlg::ApplyStatus() {
    const int selected = statusCombo_->GetSelection();
    const bool single = selected != wxNOT_FOUND && statusCodes_[static_cast<size_t>(selected)] == kStatusSingle;
    families_->Enable(selected != wxNOT_FOUND && !single);
    candidates_->Enable(selected != wxNOT_FOUND && !single);
    if (single) {
        partnerId_ = -1;
        ShowNewMatch(_("None"));
    }
}

void MakeMatchDlg::ChooseFamily(int index) {
    candidates_->Clear();
    const Family* family = (sim_ && index >= 0 && index < static_cast<int>(families_->GetCount()))
                               ? registry_.families.FindById(DataId(families_->GetClientData(index)))
                               : nullptr;
    if (family)
        for (const Sim* candidate : MatchCandidates(*family, *sim_, CurrentFilter()))
            candidates_->Append(ToWx(candidate->ListLabel()), IdData(candidate->id));
    if (candidates_->GetCount() > 0) candidates_->SetSelection(0);
    KeepListedCandidate();
}

void MakeMatchDlg::ChooseCandidate(int index) {
    if (index < 0 || index >= static_cast<int>(candidates_->GetCount())) return;
    const Sim* candidate = registry_.FindSim(DataId(candidates_->GetClientData(index)));
    if (!candidate) return;
    partnerId_ = candidate->id;
    ShowNewMatch(ToWx(candidate->ShownFullName()));
}

bool MakeMatchDlg::Accept() {
    const int selected = statusCombo_->GetSelection();
    if (selected != wxNOT_FOUND) status_ = statusCodes_[static_cast<size_t>(selected)];
    if (status_ == kStatusSingle) partnerId_ = -1;
    if (MatchChoiceComplete(status_, partnerId_)) return true;
    ShowNotice(_("Please select a sim for the match."));
    return false;
}
