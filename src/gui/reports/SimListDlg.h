#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <wx/dialog.h>

#include "app/RowListCtrl.h"

class wxStaticText;

/// One entry of a Sim list: the text shown and, where it stands for a Sim or a
/// family, that id (-1 for none). Entries keep ids, never pointers.
struct SimListEntry {
    std::string text;
    int32_t id = -1;
};

/// A small modal list of texts under a heading, with "Total: %d" below: a Sim's
/// friends, a family's friends, the family names. The dialog keeps its own copy of
/// the entries. The list draws its rows on demand (every family of a large neighborhood).
class SimListDlg : public wxDialog {
public:
    /// `listStyle`: a list box's style (wxLB_SINGLE | wxLB_HSCROLL); with wxLB_SORT
    /// the texts are shown sorted as a sorted list box shows them.
    SimListDlg(wxWindow* parent, const wxString& title, const wxString& heading,
               std::vector<SimListEntry> entries, long listStyle);
    /// The same, for texts that stand for nothing.
    SimListDlg(wxWindow* parent, const wxString& title, const wxString& heading,
               const std::vector<std::string>& texts, long listStyle);

    /// Fills the list and the total, sets the title, and runs the dialog.
    int ShowModal() override;

    /// The id of the selected entry; -1 when nothing (or an entry without id) is selected.
    int32_t SelectedId() const;
    RowListCtrl* List() const { return list_; }
    wxStaticText* Total() const { return total_; }

private:
    void Fill();

    wxString title_;
    bool sorted_ = false;
    std::vector<SimListEntry> entries_;
    RowListCtrl* list_ = nullptr;
    wxStaticText* total_ = nullptr;
};
