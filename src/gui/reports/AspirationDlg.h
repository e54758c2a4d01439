#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>

class wxListBox;
class wxListCtrl;
class wxListEvent;
class wxStaticText;
class SimRegistry;

/// "Neighborhood Aspirations": how many Sims hold each aspiration, and the Sims of
/// the aspiration selected. The counts are rebuilt every time the dialog is shown.
class AspirationDlg : public wxDialog {
public:
    AspirationDlg(wxWindow* parent, SimRegistry& registry);

    /// Rebuilds the summary, then runs the dialog.
    int ShowModal() override;

    /// Rebuilds the aspiration groups and the summary rows.
    void FillSummary();
    /// Lists the Sims of the aspiration of summary row `row`.
    void ListSims(long row);

    wxListCtrl* Summary() const { return summary_; }
    wxListBox* SimsList() const { return sims_; }
    /// What the counts and lists leave out (Children and Townies).
    wxStaticText* Note() const { return note_; }

private:
    void OnRowChosen(wxListEvent& event);

    SimRegistry& registry_;
    wxListCtrl* summary_ = nullptr;
    wxListBox* sims_ = nullptr;
    wxStaticText* note_ = nullptr;
};
