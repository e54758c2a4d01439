#pragma once
#include <vector>

#include <wx/dialog.h>

#include "chemistry/ChemMatching.h"

class wxCheckBox;
class wxListCtrl;
class wxRadioBox;
class wxStaticText;
class SimRegistry;

/// "Chemistry Matching": proposes for every eligible Sim of a life stage the partner
/// it has the strongest chemistry with, and makes a proposal a match on request.
/// Its choices (life stage and options) are kept in the configuration store, so the
/// next opening starts where this one was left.
class ChemMatchDlg : public wxDialog {
public:
    ChemMatchDlg(wxWindow* parent, SimRegistry& registry, const wxSize& size);
    /// Stores the choices shown, however the window was closed.
    ~ChemMatchDlg() override;

    /// "Generate &Results": the matching for the choices made, shown in the list.
    void GenerateResults();
    /// "&Accept Match" on the selected row, after the confirmation.
    void AcceptMatch();
    /// Opens the comparison of the selected row's two Sims.
    void CompareSelected();
    /// "Show Che&mistry".
    void ShowChemistry();

    /// Whether a match was accepted, so the neighborhood changed.
    bool Changed() const { return changed_; }

    wxRadioBox* AgeBox() const { return ageBox_; }
    /// 0 Townies, 1 different ages, 2 Matched up, 3 Married/Going Steady.
    wxCheckBox* Option(int which) const { return options_[which]; }
    wxListCtrl* ResultList() const { return results_; }
    /// Says which match "&Accept Match" made; empty until one is made.
    wxStaticText* MadeNote() const { return made_; }

private:
    ChemMatchOptions CurrentOptions() const;
    /// The result of the selected row, or nullptr.
    const MatchResult* SelectedResult() const;

    SimRegistry& registry_;
    std::vector<MatchResult> matchResults_;
    std::vector<size_t> rowResults_;  // the result index of each row
    bool changed_ = false;
    wxRadioBox* ageBox_ = nullptr;
    wxCheckBox* options_[4] = {};
    wxListCtrl* results_ = nullptr;
    wxStaticText* made_ = nullptr;
};
