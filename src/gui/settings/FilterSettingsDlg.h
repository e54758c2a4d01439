#pragma once
#include <vector>

#include <wx/dialog.h>

#include "settings/OrderChoices.h"

class wxComboBox;
struct ProgramSettings;

/// "Filter Options": the two keys that order the Sim lists. OK stores them in the
/// program settings; a box left without a selection keeps its stored key.
class FilterSettingsDlg : public wxDialog {
public:
    /// `offerAvailability` is false where the list has no hour of its own to be
    /// free at (the availability list).
    FilterSettingsDlg(wxWindow* parent, ProgramSettings& settings, bool offerAvailability);

    /// Selects the stored keys, then shows the dialog.
    int ShowModal() override;
    /// What ShowModal does before the dialog shows: the stored keys selected.
    void SelectStoredKeys();
    /// What "&Ok" does before the dialog closes.
    void Accept();

    wxComboBox* FirstBox() const { return first_; }
    wxComboBox* SecondBox() const { return second_; }

private:
    void FillOrderChoices();

    ProgramSettings& settings_;
    std::vector<OrderChoice> choices_;
    wxComboBox* first_ = nullptr;
    wxComboBox* second_ = nullptr;
};
