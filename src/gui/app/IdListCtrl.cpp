#include "app/IdListCtrl.h"

IdListCtrl::IdListCtrl(wxWindow* parent, wxWindowID id, const wxSize& size, long style)
    : wxListCtrl(parent, id, wxDefaultPosition, size, style | wxLC_REPORT | wxLC_VIRTUAL) {
    Bind(wxEVT_LIST_ITEM_SELECTED, &IdListCtrl::PassUserChoice, this);
    Bind(wxEVT_LIST_ITEM_DESELECTED, &IdListCtrl::PassUserChoice, this);
    Bind(wxEVT_LIST_ITEM_FOCUSED, &IdListCtrl::PassUserChoice, this);
}

// The base list's own destructor still sends deselect and focus events, when this
// object's members are already gone: the handlers leave first.
IdListCtrl::~IdListCtrl() {
    Unbind(wxEVT_LIST_ITEM_SELECTED, &IdListCtrl::PassUserChoice, this);
    Unbind(wxEVT_LIST_ITEM_DESELECTED, &IdListCtrl::PassUserChoice, this);
    Unbind(wxEVT_LIST_ITEM_FOCUSED, &IdListCtrl::PassUserChoice, this);
}

// Selections made from code are no user's choice: their events stop here.
void IdListCtrl::PassUserChoice(wxListEvent& event) { event.Skip(!fromCode_); }

void IdListCtrl::SetRows(std::vector<IdListRow> rows) {
    const int32_t selected = SelectedId();
    SelectRowQuietly(-1);
    rows_ = std::move(rows);
    SetItemCount(static_cast<long>(rows_.size()));
    if (selected != -1) SelectId(selected);
    Refresh();
}

void IdListCtrl::SetTextColours(const std::vector<wxColour>& colours) {
    attrs_.clear();
    for (const wxColour& colour : colours) attrs_.emplace_back(colour, wxNullColour, wxNullFont);
    Refresh();
}

const IdListRow* IdListCtrl::Row(long row) const {
    return row >= 0 && static_cast<size_t>(row) < rows_.size() ? &rows_[static_cast<size_t>(row)] : nullptr;
}

int32_t IdListCtrl::IdAt(long row) const {
    const IdListRow* r = Row(row);
    return r != nullptr ? r->id : -1;
}

long IdListCtrl::RowOf(int32_t id) const {
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].id == id) return static_cast<long>(i);
    return -1;
}

long IdListCtrl::SelectedRow() const { return GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }

int32_t IdListCtrl::SelectedId() const { return IdAt(SelectedRow()); }

void IdListCtrl::SelectId(int32_t id) { SelectRowQuietly(id == -1 ? -1 : RowOf(id)); }

void IdListCtrl::SelectRowQuietly(long row) {
    const bool wasFromCode = fromCode_;
    fromCode_ = true;
    for (long item = SelectedRow(); item != -1; item = GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        if (item != row) SetItemState(item, 0, wxLIST_STATE_SELECTED);
    if (Row(row) != nullptr) {
        SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        EnsureVisible(row);
    }
    fromCode_ = wasFromCode;
}

void IdListCtrl::WidenColumnToTexts(int column, int margin) {
    if (column < 0 || column >= GetColumnCount() || rows_.empty()) return;
    const auto col = static_cast<size_t>(column);
    size_t longest = 0, longestLength = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        const size_t length = col < rows_[i].texts.size() ? rows_[i].texts[col].length() : 0;
        if (length > longestLength) {
            longest = i;
            longestLength = length;
        }
    }
    if (longestLength == 0) return;
    const int wanted = GetTextExtent(rows_[longest].texts[col]).x + margin;
    if (wanted > GetColumnWidth(column)) SetColumnWidth(column, wanted);
}

wxString IdListCtrl::OnGetItemText(long item, long column) const {
    const IdListRow* row = Row(item);
    if (row == nullptr || column < 0 || static_cast<size_t>(column) >= row->texts.size()) return wxString();
    return row->texts[static_cast<size_t>(column)];
}

int IdListCtrl::OnGetItemImage(long item) const {
    const IdListRow* row = Row(item);
    return row != nullptr ? row->image : -1;
}

wxItemAttr* IdListCtrl::OnGetItemAttr(long item) const {
    const IdListRow* row = Row(item);
    if (row == nullptr || row->colour < 0 || static_cast<size_t>(row->colour) >= attrs_.size()) return nullptr;
    // The toolkit asks through a const method but wants a changeable attribute.
    return const_cast<wxItemAttr*>(&attrs_[static_cast<size_t>(row->colour)]);
}
