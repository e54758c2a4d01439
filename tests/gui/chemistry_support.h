#pragma once
// Helpers of the chemistry windows' tests: a small neighborhood, menu commands, and
// reading and selecting rows.
#include <string>
#include <vector>

#include <wx/listbox.h>
#include <wx/listctrl.h>

#include "editing_support.h"
#include "lists_support.h"
#include "support/FrameFixture.h"

namespace chemistry_test {

using namespace editing_test;
using namespace lists_test;

/// Sends the menu command of that id to the frame.
inline void Command(NestrelFrame& frame, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    frame.ProcessWindowEvent(event);
}

inline std::vector<std::vector<std::string>> ListRows(wxListCtrl* list) {
    std::vector<std::vector<std::string>> rows;
    for (long i = 0; i < list->GetItemCount(); ++i) {
        std::vector<std::string> row;
        for (int c = 0; c < list->GetColumnCount(); ++c) row.push_back(Cell(list, i, c));
        rows.push_back(row);
    }
    return rows;
}

/// The entries of a list box, or of a list that looks like one.
template <typename Box>
std::vector<std::string> Entries(Box* box) {
    std::vector<std::string> out;
    for (unsigned i = 0; i < box->GetCount(); ++i) out.push_back(Utf8(box->GetString(i)));
    return out;
}

/// Selects the row whose first column is `text`; false when there is none.
inline bool SelectRow(wxListCtrl* list, const std::string& text) {
    for (long i = 0; i < list->GetItemCount(); ++i)
        if (Cell(list, i, 0) == text) {
            list->SetItemState(i, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
            return true;
        }
    return false;
}

inline Sim* Teen(SimRegistry& registry, Family* family, const std::string& first, bool male,
                 int32_t stage = kLifeStageTeen) {
    Sim* sim = AddMember(registry, family, first, kLeo, male);
    sim->career.lifeStage = stage;
    return sim;
}

/// The frame with two families of Teens and Adults, none linked yet.
class ChemistryWindowTest : public FrameTest {
protected:
    Family* smith = nullptr;
    Family* jones = nullptr;
    Sim *ann = nullptr, *bob = nullptr, *cat = nullptr, *dan = nullptr, *xav = nullptr, *yva = nullptr;

    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        SimRegistry& registry = frame.Registry();
        registry.Clear();
        smith = AddFamily(registry, "Smith");
        jones = AddFamily(registry, "Jones");
        ann = Teen(registry, smith, "Ann", false);
        bob = Teen(registry, jones, "Bob", true);
        cat = Teen(registry, smith, "Cat", false);
        dan = Teen(registry, jones, "Dan", true);
        xav = Teen(registry, jones, "Xav", true, kLifeStageAdult);
        yva = Teen(registry, smith, "Yva", false, kLifeStageAdult);
        frame.SetModified(false);
        frame.RefreshFamilies();
        return frame;
    }
};

}  // namespace chemistry_test
