#pragma once
// Real mouse clicks on rows of the lists that draw their rows on demand: the point is
// found through the list's own hit test, and the click goes through the X server as
// the user's does, so a test sees which row the control really selected.
#include <gtest/gtest.h>
#include <wx/listctrl.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "support/GuiTestHarness.h"

namespace click_test {

/// Lets a window just shown be mapped and drawn.
inline void Settle() {
    for (int i = 0; i < 10; ++i) {
        wxMilliSleep(20);
        PumpEvents();
    }
}

/// A point inside row `row` of a report list, in screen coordinates, after the row
/// was scrolled into view. The row's rectangle counts the heading in, as the
/// control's client area does; its hit test would not (it answers for the rows'
/// area below the heading), so a point found with it lands a row too high.
inline wxPoint PointOnListRow(wxListCtrl* list, long row) {
    list->EnsureVisible(row);
    Settle();
    wxRect rect;
    if (!list->GetItemRect(row, rect) || rect.GetBottom() <= 0 || rect.GetTop() >= list->GetClientSize().y) {
        ADD_FAILURE() << "row " << row << " is not shown";
        return wxPoint();
    }
    return list->ClientToScreen(wxPoint(rect.x + std::min(20, rect.width / 2), rect.y + rect.height / 2));
}

/// A real click (or double-click) at a point of the screen, and the events it brings.
inline void ClickAt(const wxPoint& at, bool twice = false) {
    wxUIActionSimulator mouse;
    mouse.MouseMove(at);
    PumpEvents();
    if (twice)
        mouse.MouseDblClick();
    else
        mouse.MouseClick();
    for (int i = 0; i < 5; ++i) {
        wxMilliSleep(20);
        PumpEvents();
    }
}

inline void ClickRow(wxListCtrl* list, long row, bool twice = false) { ClickAt(PointOnListRow(list, row), twice); }

}  // namespace click_test
