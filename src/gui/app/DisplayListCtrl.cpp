#include "app/DisplayListCtrl.h"

#include <wx/intl.h>

#include "common/WxColour.h"
#include "common/WxString.h"

DisplayListCtrl::DisplayListCtrl(wxWindow* parent, wxWindowID id, const wxSize& size)
    : wxListCtrl(parent, id, wxDefaultPosition, size, wxLC_REPORT | wxLC_VIRTUAL | wxLC_HRULES | wxLC_VRULES | wxBORDER_SIMPLE) {
    AppendColumn(_("Name and Sign"), wxLIST_FORMAT_LEFT, 154);
    AppendColumn(_("F?"), wxLIST_FORMAT_LEFT, 33);
    AppendColumn(_("A?"), wxLIST_FORMAT_LEFT, 33);
    AppendColumn(_("Hours"), wxLIST_FORMAT_LEFT, 60);
}

void DisplayListCtrl::SetRows(std::vector<DisplayRow> rows) {
    // The new rows stand for other Sims: a selection kept from the old ones would
    // mark a row the user never chose (and hide its colours).
    for (long item = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); item != -1;
         item = GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        SetItemState(item, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    rows_ = std::move(rows);
    attrs_.clear();
    attrOfRow_.clear();
    attrOfRow_.reserve(rows_.size());
    for (const DisplayRow& row : rows_) {
        const wxColour text = ToWxColour(row.textColor);
        const wxColour back = ToWxColour(row.backgroundColor);
        size_t a = 0;
        while (a < attrs_.size() &&
               !(attrs_[a].GetTextColour() == text && attrs_[a].GetBackgroundColour() == back))
            ++a;
        if (a == attrs_.size()) attrs_.emplace_back(text, back, wxNullFont);
        attrOfRow_.push_back(static_cast<uint16_t>(a));
    }
    SetItemCount(static_cast<long>(rows_.size()));
    Refresh();
}

void DisplayListCtrl::ClearRows() { SetRows({}); }

int32_t DisplayListCtrl::SimIdAt(long row) const {
    if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return -1;
    return rows_[static_cast<size_t>(row)].simId;
}

wxString DisplayListCtrl::OnGetItemText(long item, long column) const {
    if (item < 0 || static_cast<size_t>(item) >= rows_.size()) return wxString();
    const DisplayRow& row = rows_[static_cast<size_t>(item)];
    switch (column) {
        case 0:
            return ToWx(row.nameAndSign);
        case 1:
            return ToWx(row.friendText);
        case 2:
            return ToWx(row.availableText);
        case 3:
            return ToWx(row.hours);
        default:
            return wxString();
    }
}

wxItemAttr* DisplayListCtrl::OnGetItemAttr(long item) const {
    if (item < 0 || static_cast<size_t>(item) >= attrOfRow_.size()) return nullptr;
    // The toolkit asks through a const method but wants a changeable attribute.
    return const_cast<wxItemAttr*>(&attrs_[attrOfRow_[static_cast<size_t>(item)]]);
}
