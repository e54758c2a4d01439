#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>

#include "editing/FamilyEditSession.h"

class wxListEvent;
class wxListView;
class wxStaticText;
class wxTextCtrl;
class CareerList;
class Family;
class Sim;
class SimRegistry;

/// "Add a Family": a household's name and members. Members are created and
/// changed through the Edit Sim dialog, removed and promoted here. All of it
/// happens in the dialog's working copy of the neighborhood (also what the
/// Edit Sim dialogs it opens write): Cancel leaves every Sim as it was, and OK
/// hands the caller one `FamilyEdit` to apply (`ApplyFamilyEdit`).
/// The member list has one selection, and every action names its Sim.
class NewFamilyDlg : public wxDialog {
public:
    NewFamilyDlg(wxWindow* parent, SimRegistry& registry, const CareerList* careers, Family& family,
                 int32_t preselectSimId = -1);
    ~NewFamilyDlg() override;
    PendingMembers& Pending() { return session_.Pending(); }
    /// The working copy the dialog and its sub-dialogs change.
    SimRegistry& Work() { return session_.Work(); }
    /// What OK hands back: every change the dialog made, for the caller to apply.
    const FamilyEdit& Edit() const { return edit_; }

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
    /// The selected row's Sim, telling the user when there is none.
    Sim* SelectedMember(long* row = nullptr);
    void OnOk(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnActivated(wxListEvent& event);

    FamilyEditSession session_;
    SimRegistry& registry_;  // the working copy
    const CareerList* careers_;
    Family& family_;         // the working copy's family
    PendingMembers& pending_;
    FamilyEdit edit_;
    std::vector<int32_t> rowIds_;
    wxTextCtrl* name_ = nullptr;
    wxListView* members_ = nullptr;
    wxStaticText* friendsLabel_ = nullptr;
};
