#pragma once
// Helpers of the report dialogs' window tests: a small neighborhood and readers of
// what the dialogs' lists show.
#include <string>
#include <vector>

#include <wx/listbox.h>
#include <wx/listctrl.h>

#include "editing_support.h"
#include "lists_support.h"
#include "reports/ShowSimDlg.h"
#include "reports/SimListDlg.h"
#include "reports/SimSearchDlg.h"

namespace reports_test {

using editing_test::Answer;
using AnswerSearch = Answer<SimSearchDlg>;
using AnswerCard = Answer<ShowSimDlg>;
using AnswerList = Answer<SimListDlg>;

/// The entries of a list box, or of a list that looks like one.
template <typename Box>
std::vector<std::string> Entries(const Box* list) {
    std::vector<std::string> texts;
    for (unsigned i = 0; i < list->GetCount(); ++i) texts.emplace_back(list->GetString(i).utf8_str());
    return texts;
}

/// Every row of a report list, its columns joined by a tab (as the command-line tool
/// prints them).
inline std::vector<std::string> ReportRows(wxListCtrl* list) {
    std::vector<std::string> rows;
    for (long r = 0; r < list->GetItemCount(); ++r) {
        std::string row;
        for (int c = 0; c < list->GetColumnCount(); ++c) {
            if (c) row += '\t';
            row += std::string(list->GetItemText(r, c).utf8_str());
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::string Label(const wxWindow* w) { return std::string(w->GetLabel().utf8_str()); }

/// Sends a double-click on entry `row` of a list box.
inline void DoubleClickEntry(wxListBox* list, int row) {
    list->SetSelection(row);
    wxCommandEvent event(wxEVT_LISTBOX_DCLICK, list->GetId());
    event.SetEventObject(list);
    event.SetInt(row);
    list->GetEventHandler()->ProcessEvent(event);
}

}  // namespace reports_test
