#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>

#include "editing/FamilyEditRules.h"

class wxListEvent;
class wxListView;
class wxStaticText;
class wxTextCtrl;
class CareerList;
class Family;
class Sim;
class SimRegistry;

/// "Add a Family": a household's name and members. Members are created and
/// changed through the Edit Sim dialog; new ones wait in the dialog until the
/// caller commits them on OK (`Pending().CommitTo`). Removals, promotions and
/// edits of registered members act at once, and `Changed` reports them.
class NewFamilyDlg : public wxDialog {
public:
    NewFamilyDlg(wxWindow* parent, SimRegistry& registry, const CareerList* careers, Family& family,
                 int32_t preselectSimId = -1);
    ~NewFamilyDlg() override;
    PendingMembers& Pending() { return pending_; }
    /// True when the dialog changed the neighborhood (also when cancelled).
    bool Changed() const { return changed_; }

    // Controls and actions, for the window tests.
    wxTextCtrl* NameField() const { return name_; }
    wxListView* MemberList() const { return members_; }
    wxStaticText* FriendsLabel() const { return friendsLabel_; }
    void NewMember();
    void EditMember(long row);
    void RemoveMember();
    void PromoteMember();
    void ShowFamilyFriends();
    /// What OK does before the dialog closes: true when the name and members pass.
    bool Accept();

private:
    void FillMembers();
    void RefreshFriendsLabel();
    /// The Sim of a row: a registered member or a waiting one; nullptr when gone.
    Sim* RowSim(long row) const;
    /// The first selected row's Sim, telling the user when there is none.
    Sim* SelectedMember(long* row = nullptr);
    void OnOk(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnActivated(wxListEvent& event);

    SimRegistry& registry_;
    const CareerList* careers_;
    Family& family_;
    PendingMembers pending_;
    std::vector<int32_t> rowIds_;
    bool changed_ = false;
    wxTextCtrl* name_ = nullptr;
    wxListView* members_ = nullptr;
    wxStaticText* friendsLabel_ = nullptr;
};
