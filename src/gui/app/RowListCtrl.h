#pragma once
#include <cstdint>
#include <vector>

#include <wx/listctrl.h>

/// A single-column list that looks and behaves like a list box but draws its rows on
/// demand, so ten thousand rows are shown in one step. It answers the list box's
/// questions (count, text, selection) and sends the list box's events: wxEVT_LISTBOX
/// when the user selects a row (mouse or keys) and wxEVT_LISTBOX_DCLICK when a row is
/// double-clicked or activated with Enter, each carrying the row in GetInt(). Setting
/// the selection from code sends nothing, as with a list box.
class RowListCtrl : public wxListCtrl {
public:
    RowListCtrl(wxWindow* parent, wxWindowID id, const wxSize& size);

    /// Shows these rows instead of the current ones, with no row selected.
    void SetLabels(std::vector<wxString> labels);
    /// Shows these rows, each standing for the id at the same place (a Sim or a
    /// family). The selection belongs to the id: when a new row has the selected id,
    /// that row is selected (and nothing is sent), so a refill keeps the user's choice.
    void SetRows(std::vector<wxString> labels, std::vector<int32_t> ids);
    void Clear() { SetLabels({}); }
    unsigned GetCount() const { return static_cast<unsigned>(labels_.size()); }
    /// The text of a row; empty outside the list.
    wxString GetString(unsigned row) const;
    /// The id of a row; -1 outside the list or for rows shown without ids.
    int32_t IdAt(unsigned row) const;
    /// The id of the selected row, or -1.
    int32_t SelectedId() const;
    /// Selects the first row of that id (none when no row has it).
    void SelectId(int32_t id);
    /// The first row with exactly this text, or wxNOT_FOUND.
    int FindString(const wxString& text) const;
    /// Selects the first row with exactly this text; false when there is none.
    bool SetStringSelection(const wxString& text);
    /// Rewrites one row's text in place.
    void SetString(unsigned row, const wxString& label);
    /// The selected row or wxNOT_FOUND.
    int GetSelection() const;
    /// Selects a row (wxNOT_FOUND or a row outside the list clears the selection) and
    /// scrolls it into view.
    void SetSelection(int row);

protected:
    wxString OnGetItemText(long item, long column) const override;

private:
    void OnItemSelected(wxListEvent& event);
    void OnItemActivated(wxListEvent& event);
    void OnSize(wxSizeEvent& event);
    void SendListBoxEvent(wxEventType type, long row);
    /// The one column spans the control, or the widest row when that is wider, so
    /// long rows can be scrolled to.
    void FitColumn();

    std::vector<wxString> labels_;
    std::vector<int32_t> ids_;  // empty, or one per row
    int contentWidth_ = 0;     // the widest row's text in pixels, with margins
    bool settingFromCode_ = false;
};
