#pragma once
#include <vector>

#include <wx/dialog.h>

class wxStaticText;
class SimRegistry;

/// "Neighborhood Information": the file name, the family and Sim counts and the
/// split by gender and age, computed once when the dialog is built; a button opens
/// the aspiration summary.
class ShowHoodPrptyDlg : public wxDialog {
public:
    ShowHoodPrptyDlg(wxWindow* parent, SimRegistry& registry);

    /// "Aspiration Summary": the aspiration dialog on the same neighborhood.
    void ShowAspirations();

    /// The six value texts in row order.
    const std::vector<wxStaticText*>& Values() const { return values_; }

private:
    SimRegistry& registry_;
    std::vector<wxStaticText*> values_;
};
