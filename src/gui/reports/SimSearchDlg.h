#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>

class wxButton;
class wxListBox;
class wxTextCtrl;
class NestrelFrame;

/// "Search For Sim": finds Sims by first name across the neighborhood. With its
/// action buttons (the main window's search command) a found Sim's card or family
/// can be opened; without them (picking a Sim from another dialog) the caller reads
/// SelectedSimId() after the dialog closed. Entries keep Sim ids; the dialog changes
/// nothing itself.
class SimSearchDlg : public wxDialog {
public:
    /// `frame` shows the Sim card and edits families; `parent` is the window the
    /// dialog sits on (the frame, or the dialog that wants a Sim picked).
    SimSearchDlg(wxWindow* parent, NestrelFrame& frame, bool withActions);

    /// "Go": searches for the text of the name field; an empty field leaves the
    /// results as they are.
    void SearchByFirstName();
    /// "Info..." or a double-click: the card of the selected Sim.
    void ShowSelectedInfo();
    /// "Family...": the family dialog for the selected Sim's family.
    void ShowSelectedFamily();

    /// The Sim of the selected entry; -1 when nothing, or the "nothing found" entry,
    /// is selected.
    int32_t SelectedSimId() const;

    wxTextCtrl* NameField() const { return nameField_; }
    wxListBox* Results() const { return results_; }

private:
    NestrelFrame& frame_;
    bool withActions_;
    wxTextCtrl* nameField_ = nullptr;
    wxListBox* results_ = nullptr;
    std::vector<int32_t> resultIds_;  // per entry, in the list's order
};
