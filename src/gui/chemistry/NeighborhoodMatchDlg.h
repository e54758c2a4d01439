#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>

#include "app/IdListCtrl.h"
#include "app/RowListCtrl.h"
#include "chemistry/Matchmaker.h"

class wxCheckBox;
class wxComboBox;
class wxListEvent;
class wxRadioButton;
class SimRegistry;
struct MatchmakerSettings;

/// "Neighborhood Match": the unattached females and males of a life stage side by
/// side, the pairs that exist, and pairing and unpairing by hand. The options live in
/// the frame's MatchmakerSettings, changed in place. The three lists draw their rows on
/// demand and keep the selected Sim (the pair by its female) through refills and sorts.
class NeighborhoodMatchDlg : public wxDialog {
public:
    NeighborhoodMatchDlg(wxWindow* parent, SimRegistry& registry, MatchmakerSettings* settings, const wxSize& size);

    int ShowModal() override;

    /// The radio buttons: 1 Adult, 2 Teen, 3 Child.
    void SetCurrentAge(int32_t lifeStage);
    /// Refills the three lists for the options.
    void FillLists();
    /// "&Add >>", "<< &Remove", "Compare Chem..." and a row's activation.
    void AddPair();
    void RemovePair();
    void ComparePair();
    void CompareRow(long row);
    /// A click on a column heading of the pair list.
    void SortRows(int column);

    /// "&Close": the size shown becomes the size to report, then the dialog ends.
    void CloseWithSize();
    /// The size the frame stores after the dialog closed.
    wxSize ReportedSize() const { return reportedSize_; }
    /// Whether a Sim of the neighborhood was changed.
    bool Changed() const { return lists_.Changed() || chemistryChanged_; }

    wxRadioButton* AgeButton(int32_t lifeStage) const;
    /// 0 Townies, 1 Elders, 2 Filter Married/Going Steady.
    wxCheckBox* Option(int which) const { return options_[which]; }
    RowListCtrl* Females() const { return females_; }
    RowListCtrl* Males() const { return males_; }
    wxComboBox* StatusChoice() const { return statusChoice_; }
    IdListCtrl* PairList() const { return pairs_; }
    /// The heart of a row: 0 pink, 1 red.
    int RowImage(long row) const;
    /// "Chemistry &Matching..." and "Show Chemistry...".
    void OpenChemistryMatching();
    void OpenChemistrySummary();

private:
    void ShowLists();
    void ShowRows();
    void OnOption(int which);

    SimRegistry& registry_;
    MatchmakerSettings* settings_;
    MatchmakerLists lists_;
    std::vector<int32_t> statusCodes_;
    wxSize reportedSize_;
    bool chemistryChanged_ = false;
    wxRadioButton* ageButtons_[3] = {};  // Child, Teen, Adult
    wxCheckBox* options_[3] = {};
    RowListCtrl* females_ = nullptr;
    RowListCtrl* males_ = nullptr;
    wxComboBox* statusChoice_ = nullptr;
    IdListCtrl* pairs_ = nullptr;
};
