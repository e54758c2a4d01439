#include <wx/accel.h>
#include <wx/intl.h>
#include <wx/menu.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "common/WxString.h"

// Undo and redo: the Edit menu's two items, named after the step they would take, and
// what a step leaves behind (the star, the lists).

void NestrelFrame::BindHistoryCommands() {
    Bind(wxEVT_MENU, &NestrelFrame::OnUndo, this, ID_UNDO);
    Bind(wxEVT_MENU, &NestrelFrame::OnRedo, this, ID_REDO);
    Bind(wxEVT_UPDATE_UI, &NestrelFrame::OnUpdateUndoRedo, this, ID_UNDO);
    Bind(wxEVT_UPDATE_UI, &NestrelFrame::OnUpdateUndoRedo, this, ID_REDO);
    // Ctrl+Y redoes as well, as in most editors; the menu item shows Ctrl+Shift+Z.
    wxAcceleratorEntry entries[] = {wxAcceleratorEntry(wxACCEL_CTRL, 'Y', ID_REDO)};
    SetAcceleratorTable(wxAcceleratorTable(1, entries));
    RefreshUndoItems();
}

void NestrelFrame::TouchFamily(const Family* family) {
    if (family == nullptr) return;
    registry_.Touch(family);
    for (const Sim* member : family->members) registry_.Touch(member);
}

void NestrelFrame::StepDone(bool changed) {
    if (changed) SetModified(!history_.IsAtSavedState());
    RefreshUndoItems();
}

namespace {
// "&Undo Delete Sim\tCtrl+Z": the step's name, then the accelerator the item had.
wxString UndoLabel(bool undo, const std::string& name) {
    wxString label = undo ? _("&Undo") : _("&Redo");
    if (!name.empty()) label += " " + ToWx(name);
    label += undo ? "\tCtrl+Z" : "\tCtrl+Shift+Z";
    return label;
}
}  // namespace

void NestrelFrame::RefreshUndoItems() {
    // Set at once, not only when the menu opens: a disabled item's shortcut does nothing.
    wxMenuBar* bar = GetMenuBar();
    if (bar == nullptr) return;
    if (wxMenuItem* item = bar->FindItem(ID_UNDO)) {
        item->SetItemLabel(UndoLabel(true, history_.UndoName()));
        item->Enable(history_.CanUndo());
    }
    if (wxMenuItem* item = bar->FindItem(ID_REDO)) {
        item->SetItemLabel(UndoLabel(false, history_.RedoName()));
        item->Enable(history_.CanRedo());
    }
}

void NestrelFrame::OnUpdateUndoRedo(wxUpdateUIEvent& event) {
    const bool undo = event.GetId() == ID_UNDO;
    event.SetText(UndoLabel(undo, undo ? history_.UndoName() : history_.RedoName()));
    event.Enable(undo ? history_.CanUndo() : history_.CanRedo());
}

void NestrelFrame::OnUndo(wxCommandEvent&) {
    if (!history_.Undo()) return;
    // Windows that name Sims by id (family trees) resolve them again on their next paint.
    SetModified(!history_.IsAtSavedState());
    RefreshUndoItems();
    RefreshFamilies();
}

void NestrelFrame::OnRedo(wxCommandEvent&) {
    if (!history_.Redo()) return;
    SetModified(!history_.IsAtSavedState());
    RefreshUndoItems();
    RefreshFamilies();
}
