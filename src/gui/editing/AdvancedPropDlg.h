#pragma once
#include <wx/dialog.h>

class wxCheckBox;

/// "Sim Status": the Townie, Vampire and At College flags of one Sim, written
/// when the user presses "Ok".
class AdvancedPropDlg : public wxDialog {
public:
    AdvancedPropDlg(wxWindow* parent, bool& townie, bool& vampire, bool& atCollege);
    wxCheckBox* Box(int index) const { return boxes_[index]; }
    /// What "Ok" does before the dialog closes: the boxes go into the flags.
    void Accept();

private:
    void OnOk(wxCommandEvent& event);
    bool* flags_[3];
    wxCheckBox* boxes_[3] = {};
};
