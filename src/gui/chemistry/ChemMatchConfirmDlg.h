#pragma once
#include <cstdint>

#include <wx/dialog.h>

class wxStaticText;
class SimRegistry;

/// "Confirm Chemistry Match": shows both Sims with their status and current match
/// and answers wxID_OK when the user presses "&Make Match".
class ChemMatchConfirmDlg : public wxDialog {
public:
    ChemMatchConfirmDlg(wxWindow* parent, const SimRegistry& registry, int32_t firstId, int32_t secondId);

    /// Line 0 the name, 1 the status, 2 the match of a side (0 or 1).
    wxStaticText* Line(int side, int line) const { return lines_[side][line]; }

private:
    wxStaticText* lines_[2][3] = {};
};
