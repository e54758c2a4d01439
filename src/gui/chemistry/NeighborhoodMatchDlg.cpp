#include "chemistry/NeighborhoodMatchDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/imaglist.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "chemistry/ChemMatchDlg.h"
#include "chemistry/CompareChemDlg.h"
#include "chemistry/ShowChemDlg.h"
#include "common/ArtProvider.h"
#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"
#include "social/MatchmakerSettings.h"

namespace {
enum {
    ID_FEMALES = 0, ID_MALES = 1, ID_PAIRS = 2, ID_STATUS = 3, ID_ADD = 4, ID_REMOVE = 5, ID_MATCHING = 7,
    ID_SHOW_CHEMISTRY = 8, ID_COMPARE = 9, ID_CHILD = 10, ID_TEEN = 11, ID_ADULT = 12, ID_TOWNIES = 13,
    ID_ELDERS = 14, ID_FILTER_MARRIED = 15
};
}  // namespace

NeighborhoodMatchDlg::NeighborhoodMatchDlg(wxWindow* parent, SimRegistry& registry, MatchmakerSettings* settings,
                                           const wxSize& size)
    : wxDialog(parent, wxID_ANY, _("Neighborhood Match"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxMINIMIZE_BOX),
      registry_(registry), settings_(settings), lists_(registry), reportedSize_(size) {
    ageButtons_[0] = new wxRadioButton(this, ID_CHILD, _("Child"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    ageButtons_[1] = new wxRadioButton(this, ID_TEEN, _("Teen"));
    ageButtons_[2] = new wxRadioButton(this, ID_ADULT, _("Adult"));
    options_[0] = new wxCheckBox(this, ID_TOWNIES, _("Townies"));
    options_[1] = new wxCheckBox(this, ID_ELDERS, _("Elders"));
    options_[2] = new wxCheckBox(this, ID_FILTER_MARRIED, _("Filter Married/Going Steady"));
    females_ = new RowListCtrl(this, ID_FEMALES, FontScaled(this, wxSize(120, 180)));
    males_ = new RowListCtrl(this, ID_MALES, FontScaled(this, wxSize(120, 180)));
    statusChoice_ = new wxComboBox(this, ID_STATUS, wxEmptyString, wxDefaultPosition,
                                   wxSize(FontScaledWidth(this, 100), -1), 0, nullptr, wxCB_DROPDOWN | wxCB_READONLY);
    pairs_ = new IdListCtrl(this, ID_PAIRS, FontScaled(this, wxSize(200, 180)));
    pairs_->AppendColumn(_("Female"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 120));
    pairs_->AppendColumn(_("Male"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 120));
    std::vector<wxString> statuses;
    for (int32_t code : {kStatusMarried, kStatusCommitted, kStatusMatchedUp}) statuses.push_back(ToWx(StatusText(code)));
    pairs_->AppendColumn(_("Status"), wxLIST_FORMAT_LEFT, ColumnWidthForTexts(this, 80, statuses));
    // All three columns and a scroll bar fit without cutting a heading off.
    int columnsWidth = FontScaledWidth(this, 24);
    for (int column = 0; column < pairs_->GetColumnCount(); ++column) columnsWidth += pairs_->GetColumnWidth(column);
    pairs_->SetMinSize(wxSize(columnsWidth, FontScaledHeight(this, 180)));
    auto* hearts = new wxImageList(16, 16, true, 2);
    hearts->Add(IconResource("HEARTPINK", wxSize(16, 16)));
    hearts->Add(IconResource("HEARTREDSMALL", wxSize(16, 16)));
    pairs_->AssignImageList(hearts, wxIMAGE_LIST_SMALL);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(new wxStaticText(this, wxID_ANY, _("Select who to display: ")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    for (wxRadioButton* button : ageButtons_) top->Add(button, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    top->Add(options_[0], 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    top->Add(options_[1], 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 12);
    top->Add(new wxButton(this, ID_SHOW_CHEMISTRY, _("Show Chemistry...")), 0, wxRIGHT, 6);
    top->Add(new wxButton(this, ID_MATCHING, _("Chemistry &Matching...")));

    auto* femaleColumn = new wxBoxSizer(wxVERTICAL);
    femaleColumn->Add(new wxStaticText(this, wxID_ANY, _("Females:")));
    femaleColumn->Add(females_, 1, wxEXPAND);
    auto* maleColumn = new wxBoxSizer(wxVERTICAL);
    maleColumn->Add(new wxStaticText(this, wxID_ANY, _("Males:")));
    maleColumn->Add(males_, 1, wxEXPAND);
    auto* middle = new wxBoxSizer(wxVERTICAL);
    middle->Add(new wxStaticText(this, wxID_ANY, _("New Status: ")));
    middle->Add(statusChoice_, 0, wxBOTTOM, 8);
    middle->Add(new wxButton(this, ID_ADD, _("&Add >>")), 0, wxEXPAND | wxBOTTOM, 4);
    middle->Add(new wxButton(this, ID_REMOVE, _("<< &Remove")), 0, wxEXPAND | wxBOTTOM, 16);
    middle->Add(new wxButton(this, wxID_OK, _("&Close")), 0, wxEXPAND);
    auto* pairColumn = new wxBoxSizer(wxVERTICAL);
    auto* pairHeading = new wxBoxSizer(wxHORIZONTAL);
    pairHeading->Add(new wxStaticText(this, wxID_ANY, _("Matched Up:")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    pairHeading->Add(options_[2], 0, wxALIGN_CENTER_VERTICAL);
    pairColumn->Add(pairHeading);
    pairColumn->Add(pairs_, 1, wxEXPAND);
    pairColumn->Add(new wxButton(this, ID_COMPARE, _("Compare Chem...")), 0, wxTOP, 4);

    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(femaleColumn, 1, wxEXPAND | wxRIGHT, 6);
    lists->Add(maleColumn, 1, wxEXPAND | wxRIGHT, 6);
    lists->Add(middle, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    lists->Add(pairColumn, 2, wxEXPAND);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(top, 0, wxALL, 8);
    sizer->Add(lists, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizerAndFit(sizer);

    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { SetCurrentAge(3); }, ID_CHILD);
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { SetCurrentAge(2); }, ID_TEEN);
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { SetCurrentAge(1); }, ID_ADULT);
    for (int which = 0; which < 3; ++which)
        Bind(wxEVT_CHECKBOX, [this, which](wxCommandEvent&) { OnOption(which); }, ID_TOWNIES + which);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AddPair(); }, ID_ADD);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RemovePair(); }, ID_REMOVE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ComparePair(); }, ID_COMPARE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OpenChemistrySummary(); }, ID_SHOW_CHEMISTRY);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OpenChemistryMatching(); }, ID_MATCHING);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent& e) { CompareRow(e.GetIndex()); }, ID_PAIRS);
    Bind(wxEVT_LIST_COL_CLICK, [this](wxListEvent& e) { SortRows(e.GetColumn()); }, ID_PAIRS);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CloseWithSize(); }, wxID_OK);

    if (settings_ == nullptr) return;
    options_[0]->SetValue(settings_->townieCheck);
    options_[1]->SetValue(settings_->elderCheck);
    options_[2]->SetValue(settings_->filterMarried);
    const int32_t age = settings_->currentAge;
    AgeButton(age == 2 || age == 3 ? age : 1)->SetValue(true);
    SetCurrentAge(age);
    // The stored size, but never smaller than the controls need.
    const wxSize least = GetMinSize();
    SetSize(std::max(size.x, least.x), std::max(size.y, least.y));
}

int NeighborhoodMatchDlg::ShowModal() {
    if (settings_ == nullptr) {
        ShowNotice(_("Error reading Matchmaker settings!"), _(Caption::Message), GetParent());
        return wxID_CANCEL;
    }
    return wxDialog::ShowModal();
}

void NeighborhoodMatchDlg::CloseWithSize() {
    reportedSize_ = GetSize();
    if (IsModal()) EndModal(wxID_OK);
}

wxRadioButton* NeighborhoodMatchDlg::AgeButton(int32_t lifeStage) const {
    if (lifeStage == 3) return ageButtons_[0];
    if (lifeStage == 2) return ageButtons_[1];
    return ageButtons_[2];
}

void NeighborhoodMatchDlg::SetCurrentAge(int32_t lifeStage) {
    if (settings_ == nullptr) return;
    settings_->currentAge = lifeStage;
    FillLists();
    statusCodes_ = MatchmakerStatusChoices(lifeStage);
    statusChoice_->Clear();
    for (int32_t code : statusCodes_) statusChoice_->Append(ToWx(StatusText(code)));
    statusChoice_->SetSelection(0);
}

void NeighborhoodMatchDlg::OnOption(int which) {
    if (settings_ == nullptr) return;
    const bool value = options_[which]->GetValue();
    if (which == 0) settings_->townieCheck = value;
    if (which == 1) settings_->elderCheck = value;
    if (which == 2) settings_->filterMarried = value;
    // Elders are shown only beside Adults.
    if (which != 1 || settings_->currentAge == kLifeStageAdult) FillLists();
}

void NeighborhoodMatchDlg::FillLists() {
    if (settings_ == nullptr) return;
    const bool filled = lists_.Fill(*settings_);
    ShowLists();
    ShowRows();
    if (!filled) ShowNotice(_("Empty Family List!"), _(Caption::Message), this);
}

void NeighborhoodMatchDlg::ShowLists() {
    for (auto [box, entries] : {std::pair{females_, &lists_.Females()}, std::pair{males_, &lists_.Males()}}) {
        std::vector<wxString> texts;
        std::vector<int32_t> ids;
        texts.reserve(entries->size());
        ids.reserve(entries->size());
        for (const SimEntry& entry : *entries) {
            texts.push_back(ToWx(entry.text));
            ids.push_back(entry.simId);
        }
        box->SetRows(std::move(texts), std::move(ids));
    }
}

void NeighborhoodMatchDlg::ShowRows() {
    // Row i shows lists_.Rows()[i]; a pair is known by its female, who is in one pair.
    const std::vector<PairRow>& rows = lists_.Rows();
    std::vector<IdListRow> shown;
    shown.reserve(rows.size());
    for (const PairRow& row : rows)
        shown.push_back({row.femaleId, {ToWx(row.female), ToWx(row.male), ToWx(StatusText(row.status))},
                         row.PinkHeart() ? 0 : 1});
    pairs_->SetRows(std::move(shown));
}

int NeighborhoodMatchDlg::RowImage(long row) const {
    const IdListRow* shown = pairs_->Row(row);
    return shown != nullptr ? shown->image : -1;
}

void NeighborhoodMatchDlg::AddPair() {
    const int32_t femaleId = females_->SelectedId();
    const int32_t maleId = males_->SelectedId();
    if (femaleId == -1 || maleId == -1) {
        ShowNotice(_("Please select one Female and one Male to be paired."), _(Caption::Message), this);
        return;
    }
    const int status = statusChoice_->GetSelection();
    if (status == wxNOT_FOUND || status >= static_cast<int>(statusCodes_.size())) {
        ShowNotice(_("Please select a status for the new pair."), _(Caption::Message), this);
        return;
    }
    if (!lists_.Pair(femaleId, maleId, statusCodes_[static_cast<size_t>(status)])) {
        ShowNotice(_("An error occurred."), _(Caption::Message), this);
        FillLists();
        return;
    }
    ShowLists();
    ShowRows();
}

void NeighborhoodMatchDlg::RemovePair() {
    const long row = pairs_->SelectedRow();
    if (row < 0 || static_cast<size_t>(row) >= lists_.Rows().size()) return;
    lists_.Unpair(static_cast<size_t>(row));
    ShowLists();
    ShowRows();
}

void NeighborhoodMatchDlg::ComparePair() {
    // The button sits under the pair list: a pair chosen there is the pair compared.
    const long row = pairs_->SelectedRow();
    if (row >= 0) {
        CompareRow(row);
        return;
    }
    const int32_t femaleId = females_->SelectedId();
    const int32_t maleId = males_->SelectedId();
    if (femaleId == -1 || maleId == -1) {
        ShowNotice(_("Please select one Female and one Male to be compared."), _(Caption::Message), this);
        return;
    }
    if (registry_.FindSim(femaleId) == nullptr || registry_.FindSim(maleId) == nullptr) {
        ShowNotice(_("An error occurred."), _(Caption::Message), this);
        return;
    }
    CompareChemDlg compare(this, registry_, femaleId, maleId);
    compare.ShowModal();
}

void NeighborhoodMatchDlg::CompareRow(long row) {
    if (row < 0 || static_cast<size_t>(row) >= lists_.Rows().size()) return;
    const PairRow& pair = lists_.Rows()[static_cast<size_t>(row)];
    CompareChemDlg compare(this, registry_, pair.femaleId, pair.maleId);
    compare.ShowModal();
}

void NeighborhoodMatchDlg::SortRows(int column) {
    lists_.SortRows(column);
    ShowRows();
}

void NeighborhoodMatchDlg::OpenChemistrySummary() {
    ShowChemDlg summary(this, registry_, wxSize(300, 300));
    summary.ShowModal();
}

void NeighborhoodMatchDlg::OpenChemistryMatching() {
    ChemMatchDlg matching(this, registry_, wxSize(500, 400));
    matching.ShowModal();
    // An accepted match changed who is single and who is paired.
    if (matching.Changed()) {
        chemistryChanged_ = true;
        FillLists();
    }
}
