#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>

#include "editing/LoveRules.h"

class wxCheckBox;
class wxComboBox;
class wxListBox;
class wxStaticText;
class Sim;
class SimRegistry;

/// "Make Match": a status and, unless "Single", a partner chosen by family,
/// filtered by family, friends and gender. The caller reads `Status` and
/// `PartnerId` after OK. A candidate that a filter or a family choice takes
/// off the list is no longer the match: what OK commits is always listed (or
/// the partner the dialog opened with, while the lists were not changed).
class MakeMatchDlg : public wxDialog {
public:
    MakeMatchDlg(wxWindow* parent, SimRegistry& registry, int32_t status, int32_t partnerId, Sim* sim, int32_t lifeStage);
    int32_t Status() const { return status_; }
    int32_t PartnerId() const { return partnerId_; }
    /// What OK does before the dialog closes.
    bool Accept();

    wxComboBox* StatusCombo() const { return statusCombo_; }
    wxListBox* FamilyList() const { return families_; }
    wxListBox* CandidateList() const { return candidates_; }
    wxCheckBox* Filter(int which) const { return filters_[which]; }  // 0 family, 1 gender, 2 friends
    /// Selecting on the lists and the filters, as the user does.
    void ChooseFamily(int index);
    void ChooseCandidate(int index);
    void ApplyFilters();
    void ApplyStatus();

private:
    MatchFilter CurrentFilter() const;
    void FillFamilies();
    /// After the candidate list changed: keeps the match only while it is listed.
    void KeepListedCandidate();
    void ShowNewMatch(const wxString& name);

    SimRegistry& registry_;
    Sim* sim_;
    std::vector<int32_t> statusCodes_;
    int32_t status_;
    int32_t partnerId_;
    wxComboBox* statusCombo_ = nullptr;
    wxCheckBox* filters_[3] = {};
    wxListBox* families_ = nullptr;
    wxListBox* candidates_ = nullptr;
    wxStaticText* newMatch_ = nullptr;
};
