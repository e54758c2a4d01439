#include "app/RowListCtrl.h"

#include <algorithm>


// The border is drawn by the control itself: the theme's sunken one does not show on
// every desktop, and a list without one melts into the panel.
RowListCtrl::RowListCtrl(wxWindow* parent, wxWindowID id, const wxSize& size)
    : wxListCtrl(parent, id, wxDefaultPosition, size,
                 wxLC_REPORT | wxLC_VIRTUAL | wxLC_NO_HEADER | wxLC_SINGLE_SEL | wxBORDER_SIMPLE) {
    AppendColumn(wxEmptyString, wxLIST_FORMAT_LEFT, std::max(size.x, 20));
    Bind(wxEVT_LIST_ITEM_SELECTED, &RowListCtrl::OnItemSelected, this);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &RowListCtrl::OnItemActivated, this);
    Bind(wxEVT_SIZE, &RowListCtrl::OnSize, this);
}

void RowListCtrl::SetLabels(std::vector<wxString> labels) {
    settingFromCode_ = true;
    SetSelection(wxNOT_FOUND);
    ids_.clear();
    labels_ = std::move(labels);
    // Measuring every row would cost as much as the list box did; the row with the
    // most characters stands for the widest one, with room to spare.
    size_t longest = 0;
    for (size_t i = 1; i < labels_.size(); ++i)
        if (labels_[i].length() > labels_[longest].length()) longest = i;
    contentWidth_ = labels_.empty() ? 0 : GetTextExtent(labels_[longest] + "MM").x;
    SetItemCount(static_cast<long>(labels_.size()));
    FitColumn();
    Refresh();
    settingFromCode_ = false;
}

void RowListCtrl::SetRows(std::vector<wxString> labels, std::vector<int32_t> ids) {
    const int32_t selected = SelectedId();
    ids.resize(labels.size(), -1);
    SetLabels(std::move(labels));
    ids_ = std::move(ids);
    if (selected != -1) SelectId(selected);
}

int32_t RowListCtrl::IdAt(unsigned row) const { return row < ids_.size() ? ids_[row] : -1; }

int32_t RowListCtrl::SelectedId() const {
    const int row = GetSelection();
    return row == wxNOT_FOUND ? -1 : IdAt(static_cast<unsigned>(row));
}

void RowListCtrl::SelectId(int32_t id) {
    const auto at = id == -1 ? ids_.end() : std::find(ids_.begin(), ids_.end(), id);
    SetSelection(at == ids_.end() ? wxNOT_FOUND : static_cast<int>(at - ids_.begin()));
}

int RowListCtrl::FindString(const wxString& text) const {
    const auto at = std::find(labels_.begin(), labels_.end(), text);
    return at == labels_.end() ? wxNOT_FOUND : static_cast<int>(at - labels_.begin());
}

bool RowListCtrl::SetStringSelection(const wxString& text) {
    const int row = FindString(text);
    if (row != wxNOT_FOUND) SetSelection(row);
    return row != wxNOT_FOUND;
}

wxString RowListCtrl::GetString(unsigned row) const { return row < labels_.size() ? labels_[row] : wxString(); }

void RowListCtrl::SetString(unsigned row, const wxString& label) {
    if (row >= labels_.size()) return;
    labels_[row] = label;
    const int width = GetTextExtent(label + "MM").x;
    if (width > contentWidth_) {
        contentWidth_ = width;
        FitColumn();
    }
    RefreshItem(static_cast<long>(row));
}

int RowListCtrl::GetSelection() const {
    const long row = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    return row < 0 ? wxNOT_FOUND : static_cast<int>(row);
}

void RowListCtrl::SetSelection(int row) {
    const bool wasFromCode = settingFromCode_;
    settingFromCode_ = true;
    const int current = GetSelection();
    if (current != wxNOT_FOUND && current != row) SetItemState(current, 0, wxLIST_STATE_SELECTED);
    if (row >= 0 && static_cast<size_t>(row) < labels_.size()) {
        SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                     wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        EnsureVisible(row);
    }
    settingFromCode_ = wasFromCode;
}

wxString RowListCtrl::OnGetItemText(long item, long) const {
    return item >= 0 && static_cast<size_t>(item) < labels_.size() ? labels_[static_cast<size_t>(item)]
                                                                   : wxString();
}

void RowListCtrl::OnItemSelected(wxListEvent& event) {
    if (!settingFromCode_) SendListBoxEvent(wxEVT_LISTBOX, event.GetIndex());
}

void RowListCtrl::OnItemActivated(wxListEvent& event) {
    if (!settingFromCode_) SendListBoxEvent(wxEVT_LISTBOX_DCLICK, event.GetIndex());
}

void RowListCtrl::SendListBoxEvent(wxEventType type, long row) {
    wxCommandEvent event(type, GetId());
    event.SetEventObject(this);
    event.SetInt(static_cast<int>(row));
    if (row >= 0 && static_cast<size_t>(row) < labels_.size()) event.SetString(labels_[static_cast<size_t>(row)]);
    GetEventHandler()->ProcessEvent(event);
}

void RowListCtrl::OnSize(wxSizeEvent& event) {
    FitColumn();
    event.Skip();
}

void RowListCtrl::FitColumn() {
    // A row's highlight spans the control, as a list box's does; the scroll bars here
    // lie over the rows, so they take no room from the column.
    const int width = std::max({GetClientSize().x, contentWidth_, 20});
    if (GetColumnWidth(0) != width) SetColumnWidth(0, width);
}
