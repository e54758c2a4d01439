#pragma once
// Helpers of the editing dialogs' window tests: answering the program's own dialogs
// with a function that drives them, and reading what their controls show.
#include <functional>
#include <string>

#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "editing/EditBasicInfoPage.h"
#include "editing/EditCareerInfoPage.h"
#include "editing/EditSimDialog.h"
#include "editing/EditSimListBook.h"
#include "editing/NewFamilyDlg.h"
#include "support/GuiTestHarness.h"

namespace editing_test {

/// Answers one modal dialog of type T by running `drive` on it; its result is the
/// dialog's result.
template <class T>
class Answer : public wxExpectModalBase<T, Answer<T>> {
public:
    explicit Answer(std::function<int(T*)> drive) : drive_(std::move(drive)) {}

protected:
    int OnInvoked(T* dlg) const override { return drive_(dlg); }
    wxString GetDefaultDescription() const override { return "a dialog driven by the test"; }

private:
    std::function<int(T*)> drive_;
};

using AnswerFamily = Answer<NewFamilyDlg>;
using AnswerSim = Answer<EditSimDialog>;

/// Fills the basic page's first name and presses OK.
inline int NameAndOk(EditSimDialog* dlg, const std::string& first) {
    dlg->Book()->BasicPage()->FirstName()->SetValue(wxString::FromUTF8(first));
    return dlg->Accept() ? wxID_OK : wxID_CANCEL;
}

inline std::string Cell(wxListCtrl* list, long row, int column) {
    return std::string(list->GetItemText(row, column).utf8_str());
}

}  // namespace editing_test
