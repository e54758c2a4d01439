#pragma once
#include <cstdint>
#include <vector>

#include <wx/listctrl.h>

#include "app/DisplayRows.h"

/// The main window's display list: a report list with rules whose rows are display
/// rows held here and drawn on demand, so a list of thousands of Sims is filled in one
/// step. Each row stands for the Sim of its id (-1 for none).
class DisplayListCtrl : public wxListCtrl {
public:
    DisplayListCtrl(wxWindow* parent, wxWindowID id, const wxSize& size);

    /// Shows these rows instead of the current ones.
    void SetRows(std::vector<DisplayRow> rows);
    void ClearRows();
    /// The Sim id of a row; -1 for a row without a Sim or outside the list.
    int32_t SimIdAt(long row) const;

protected:
    wxString OnGetItemText(long item, long column) const override;
    wxItemAttr* OnGetItemAttr(long item) const override;

private:
    std::vector<DisplayRow> rows_;
    // Rows share a handful of colour pairs; each row points at its pair.
    std::vector<wxItemAttr> attrs_;
    std::vector<uint16_t> attrOfRow_;
};
