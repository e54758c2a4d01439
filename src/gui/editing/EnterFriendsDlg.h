#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <wx/dialog.h>

#include "editing/FriendsRules.h"
#include "editing/LoveRules.h"

class wxListBox;
class RowListCtrl;
class Family;
class Sim;
class SimRegistry;

/// The three-column friend picker: families, the chosen family's members, and
/// the selection. It works on a copy; the caller reads `Ids` after OK, and the
/// Sim never changes while the picker is open.
class EnterFriendsDlg : public wxDialog {
public:
    EnterFriendsDlg(wxWindow* parent, SimRegistry& registry, const std::vector<int32_t>& start, Sim* sim);
    /// Fills the columns (each constructor does, so the final class's rules apply).
    void Populate();
    /// The selection in the order shown (alphabetical).
    std::vector<int32_t> Ids() const { return selection_.Ids(); }

    RowListCtrl* FamilyColumn() const { return families_; }
    wxListBox* MemberColumn() const { return members_; }
    wxListBox* SelectedColumn() const { return selected_; }
    /// Selecting a family on the left fills the middle column.
    void ChooseFamily(int index);
    /// A double-click in the middle column: adds that member.
    void AddMemberAt(int index);
    /// A double-click in the right column: removes that entry.
    void RemoveSelectedAt(int index);
    /// Shows the Sim in the columns (its family chosen, the Sim selected), ready to
    /// be added; false when no listed family holds it.
    bool ShowSim(int32_t simId);

protected:
    virtual wxString TitleText() const;
    virtual bool KeepOwnFamily() const { return false; }
    virtual void AddSim(const Sim& member);
    virtual void RemoveEntry(int32_t simId);
    virtual void FillSelected();
    /// Widens the right column (and the window) until its longest entry fits.
    void FitSelectedList();

    SimRegistry& registry_;
    Sim* sim_;
    FriendSelection selection_;
    RowListCtrl* families_ = nullptr;  // every family: rows drawn on demand
    wxListBox* members_ = nullptr;
    wxListBox* selected_ = nullptr;

private:
    void OnSearch(wxCommandEvent& event);
};

/// The chemistry picker: the same columns; the right one lists chemistry
/// partners with their type, asked for when a partner is added. It too works
/// on a copy that the caller reads after OK.
class EnterChemistryDlg : public EnterFriendsDlg {
public:
    EnterChemistryDlg(wxWindow* parent, SimRegistry& registry, const std::vector<ChemistryEntry>& start, Sim* sim);
    const std::vector<ChemistryEntry>& Entries() const { return chemistry_.Entries(); }

protected:
    wxString TitleText() const override;
    bool KeepOwnFamily() const override { return true; }
    void AddSim(const Sim& member) override;
    void RemoveEntry(int32_t simId) override;
    void FillSelected() override;

private:
    ChemistrySelection chemistry_;
};
