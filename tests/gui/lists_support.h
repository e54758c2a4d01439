#pragma once
// Shared helpers of the main window's list tests: finding the controls, driving them
// as the user would (selection, double-click, activation, the hour selector), reading
// what they show, and building small neighborhoods with the model's own operations.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "app/RowListCtrl.h"
#include "careers/SimCareerData.h"
#include "model/Vocabulary.h"

namespace lists_test {

inline std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

template <typename T>
T* Control(NestrelFrame& frame, int id) {
    T* control = dynamic_cast<T*>(wxWindow::FindWindowById(id, &frame));
    EXPECT_NE(control, nullptr) << "no control of the expected kind with id " << id;
    return control;
}

inline RowListCtrl* FamilyBox(NestrelFrame& frame) { return Control<RowListCtrl>(frame, ID_FAMILY_LIST); }
inline RowListCtrl* SimBox(NestrelFrame& frame) { return Control<RowListCtrl>(frame, ID_SIM_LIST); }
inline wxListCtrl* DisplayCtrl(NestrelFrame& frame) { return Control<wxListCtrl>(frame, ID_DISPLAY_LIST); }
inline wxComboBox* HourChoice(NestrelFrame& frame) { return Control<wxComboBox>(frame, ID_HOUR_CHOICE); }
inline std::string DisplayLabel(NestrelFrame& frame) {
    auto* label = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("displayLabel", &frame));
    return label != nullptr ? Utf8(label->GetLabel()) : "<no display label>";
}

inline std::vector<std::string> Rows(RowListCtrl* box) {
    std::vector<std::string> rows;
    for (unsigned i = 0; i < box->GetCount(); ++i) rows.push_back(Utf8(box->GetString(i)));
    return rows;
}

/// One row of the display list as shown.
struct ShownRow {
    std::string name, isFriend, available, hours;
    wxColour text, background;
    int32_t simId;  // the Sim the row stands for
};

inline std::vector<ShownRow> Shown(NestrelFrame& frame) {
    wxListCtrl* list = DisplayCtrl(frame);
    std::vector<ShownRow> rows;
    for (long i = 0; i < list->GetItemCount(); ++i)
        rows.push_back({Utf8(list->GetItemText(i, 0)), Utf8(list->GetItemText(i, 1)),
                        Utf8(list->GetItemText(i, 2)), Utf8(list->GetItemText(i, 3)),
                        list->GetItemTextColour(i), list->GetItemBackgroundColour(i), frame.DisplayRowSimId(i)});
    return rows;
}

inline std::vector<std::string> ShownNames(NestrelFrame& frame) {
    std::vector<std::string> names;
    for (const ShownRow& row : Shown(frame)) names.push_back(row.name);
    return names;
}

/// Selects a row as a click does: the selection, then the list's selection event.
inline void Choose(RowListCtrl* box, int row) {
    box->SetSelection(row);
    wxCommandEvent event(wxEVT_LISTBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(row);
    box->GetEventHandler()->ProcessEvent(event);
}

inline void DoubleClick(RowListCtrl* box, int row) {
    box->SetSelection(row);
    wxCommandEvent event(wxEVT_LISTBOX_DCLICK, box->GetId());
    event.SetEventObject(box);
    event.SetInt(row);
    box->GetEventHandler()->ProcessEvent(event);
}

inline void Activate(wxListCtrl* list, long row) {
    wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
    event.SetEventObject(list);
    event.SetIndex(row);
    list->GetEventHandler()->ProcessEvent(event);
}

inline void ChooseHourEntry(NestrelFrame& frame, int entry) {
    wxComboBox* hours = HourChoice(frame);
    hours->SetSelection(entry);
    wxCommandEvent event(wxEVT_COMBOBOX, ID_HOUR_CHOICE);
    event.SetEventObject(hours);
    event.SetInt(entry);
    hours->GetEventHandler()->ProcessEvent(event);
}

/// Presses the panel's button of that id.
inline void Press(NestrelFrame& frame, int id) {
    wxWindow* button = wxWindow::FindWindowById(id, &frame);
    ASSERT_NE(dynamic_cast<wxBitmapButton*>(button), nullptr) << "no bitmap button " << id;
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}

// Sign codes used by the tests.
constexpr int32_t kAquarius = 1, kCancer = 4, kCapricorn = 8, kGemini = 16, kLibra = 32, kLeo = 64,
                  kPisces = 128, kSaggitarius = 256, kVirgo = 2048;

/// A member working 9a-5p (employee) or with no hours at all (unemployed).
enum class Job { Employee, None };

inline Sim* AddMember(SimRegistry& registry, Family* family, const std::string& first, int32_t sign, bool male,
                      Job job = Job::None) {
    std::unique_ptr<Sim> sim = registry.NewSim(first, family->name, sign, male);
    sim->career.careerCode = job == Job::Employee ? kCareerEmployee : kCareerUnemployed;
    return registry.AddSim(std::move(sim), true, family);
}

inline Family* AddFamily(SimRegistry& registry, const std::string& name, bool homeless = false) {
    Family* family = registry.AddFamily(registry.NewFamily(name));
    if (homeless) registry.SetHomeless(family, true);
    return family;
}

/// Selects the family whose row starts with `name` and returns its row.
inline int ChooseFamily(NestrelFrame& frame, const std::string& name) {
    const std::vector<std::string> rows = Rows(FamilyBox(frame));
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].rfind(name + " (", 0) == 0) {
            Choose(FamilyBox(frame), static_cast<int>(i));
            return static_cast<int>(i);
        }
    }
    ADD_FAILURE() << "no family row for " << name;
    return -1;
}

/// Selects the member row starting with `first`.
inline void ChooseSim(NestrelFrame& frame, const std::string& first) {
    const std::vector<std::string> rows = Rows(SimBox(frame));
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].rfind(first + " ", 0) == 0) {
            Choose(SimBox(frame), static_cast<int>(i));
            return;
        }
    }
    ADD_FAILURE() << "no Sim row for " << first;
}

}  // namespace lists_test
