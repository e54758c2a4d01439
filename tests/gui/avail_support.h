#pragma once
// Helpers of the availability, order, settings, names and about windows' tests.
#include <string>
#include <vector>

#include <wx/combobox.h>
#include <wx/listctrl.h>

#include "availability/AvailableDlg.h"
#include "editing_support.h"
#include "settings/FilterSettingsDlg.h"

namespace avail_test {

using editing_test::Answer;
using AnswerAvailable = Answer<AvailableDlg>;
using AnswerOrder = Answer<FilterSettingsDlg>;

struct ListedRow {
    std::string name, hours;
    wxColour colour;
};

inline std::vector<ListedRow> Listed(const AvailableDlg* dlg) {
    std::vector<ListedRow> rows;
    wxListCtrl* list = dlg->List();
    for (long i = 0; i < list->GetItemCount(); ++i)
        rows.push_back({std::string(list->GetItemText(i, 0).utf8_str()), std::string(list->GetItemText(i, 1).utf8_str()),
                        list->GetItemTextColour(i)});
    return rows;
}

inline std::vector<std::string> ListedNames(const AvailableDlg* dlg) {
    std::vector<std::string> names;
    for (const ListedRow& row : Listed(dlg)) names.push_back(row.name);
    return names;
}

inline std::vector<std::string> Entries(wxComboBox* box) {
    std::vector<std::string> out;
    for (unsigned i = 0; i < box->GetCount(); ++i) out.push_back(std::string(box->GetString(i).utf8_str()));
    return out;
}

inline std::string Selected(wxComboBox* box) {
    return box->GetSelection() == wxNOT_FOUND ? "<none>" : std::string(box->GetStringSelection().utf8_str());
}

/// Selects an entry of a combo box as the user does: the selection, then its event.
inline void ChooseEntry(wxComboBox* box, int entry) {
    box->SetSelection(entry);
    wxCommandEvent event(wxEVT_COMBOBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(entry);
    box->GetEventHandler()->ProcessEvent(event);
}

/// Clicks a button of the main window's panel ("Full List", "Order..").
inline void Click(wxWindow& frame, int id) {
    wxWindow* button = wxWindow::FindWindowById(id, &frame);
    ASSERT_NE(button, nullptr) << "no button " << id;
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}

}  // namespace avail_test
