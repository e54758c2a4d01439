#pragma once
#include <cstdint>
#include <string>

#include <wx/dialog.h>

class SimRegistry;
class wxListBox;
class wxTextCtrl;

/// "Move Out Sims": some members of a family leave for a new homeless family with a
/// unique name. The entries keep Sim ids; on OK the new family is in the neighborhood.
class MoveOutDlg : public wxDialog {
public:
    MoveOutDlg(wxWindow* parent, SimRegistry& registry, int32_t familyId);

    /// The new family's id after OK, else -1.
    int32_t NewFamilyId() const { return newFamilyId_; }

    wxListBox* Members() const { return members_; }
    wxTextCtrl* NameField() const { return name_; }
    /// The OK button's work: false (the user is told why, the dialog stays) when the
    /// choice or the name is refused.
    bool Accept();

private:
    SimRegistry& registry_;
    int32_t familyId_;
    int32_t newFamilyId_ = -1;
    wxListBox* members_ = nullptr;
    wxTextCtrl* name_ = nullptr;
};
