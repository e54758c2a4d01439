#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include <wx/dialog.h>

class SimRegistry;
class wxListCtrl;

/// "Homeless Families": the homeless families with their members, to move one back in
/// or to delete it with all its Sims. Rows keep family ids. `changed` is called after
/// every change, so that the main window marks the neighborhood modified and refreshes.
class HomelessDlg : public wxDialog {
public:
    /// `changed` hears of each change the dialog made, with the change's name.
    HomelessDlg(wxWindow* parent, SimRegistry& registry, std::function<void(const wxString&)> changed);

    wxListCtrl* List() const { return list_; }
    /// The buttons' work, for the buttons and for tests.
    void MoveIn();
    void DeleteFamily();

private:
    void Fill();
    /// The family of the first selected row; tells the user when there is none.
    int32_t SelectedFamilyId(const wxString& nothingSelected);

    SimRegistry& registry_;
    std::function<void(const wxString&)> changed_;
    wxListCtrl* list_ = nullptr;
    std::vector<int32_t> rowIds_;
};
