#pragma once
#include <cstdint>
#include <vector>

#include <wx/listctrl.h>

/// One row of an IdListCtrl: the id of what it stands for (a Sim, a family, a pair by
/// one of its Sims), its texts by column, a picture of the image list and a text
/// colour of the list's colours (-1 for none).
struct IdListRow {
    int32_t id = -1;
    std::vector<wxString> texts;
    int image = -1;
    int colour = -1;
};

/// A report list whose rows are held here and drawn on demand, as the main window's
/// lists are, so tens of thousands of rows are shown in one step. The selection
/// belongs to an id, not to a row: new rows (a re-sort, a refresh) keep the row of
/// the selected id selected and in view. Selecting from code sends no event; the
/// user's selections and activations send the list's usual events.
class IdListCtrl : public wxListCtrl {
public:
    /// `style`: wxLC_SINGLE_SEL, rules and borders; report and virtual are added.
    IdListCtrl(wxWindow* parent, wxWindowID id, const wxSize& size,
               long style = wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    ~IdListCtrl() override;

    /// Shows these rows instead of the current ones; the selected id stays selected
    /// when one of the new rows has it.
    void SetRows(std::vector<IdListRow> rows);
    /// The text colours rows refer to by index.
    void SetTextColours(const std::vector<wxColour>& colours);

    size_t RowCount() const { return rows_.size(); }
    /// The row, or nullptr outside the list.
    const IdListRow* Row(long row) const;
    /// The id of a row; -1 outside the list.
    int32_t IdAt(long row) const;
    /// The first row of that id, or -1.
    long RowOf(int32_t id) const;
    /// The selected row, or -1.
    long SelectedRow() const;
    /// The id of the selected row, or -1.
    int32_t SelectedId() const;
    /// Selects the row of that id and scrolls it into view; an id no row has clears
    /// the selection. Sends no event.
    void SelectId(int32_t id);
    /// Widens a column to its longest text (the one with the most characters stands
    /// for the widest, so thousands of rows are not measured one by one).
    void WidenColumnToTexts(int column, int margin);

protected:
    wxString OnGetItemText(long item, long column) const override;
    int OnGetItemImage(long item) const override;
    wxItemAttr* OnGetItemAttr(long item) const override;

private:
    void SelectRowQuietly(long row);
    void PassUserChoice(wxListEvent& event);

    std::vector<IdListRow> rows_;
    std::vector<wxItemAttr> attrs_;
    bool fromCode_ = false;
};
