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

/// Fills the basic page's first name and presses OK. A Sim without a sign is
/// given the first one, as a player does who does not care which.
inline int NameAndOk(EditSimDialog* dlg, const std::string& first) {
    dlg->Book()->BasicPage()->FirstName()->SetValue(wxString::FromUTF8(first));
    if (dlg->Book()->BasicPage()->SignCombo()->GetSelection() == EditBasicInfoPage::SignComboEntry(-1))
        dlg->Book()->BasicPage()->SignCombo()->SetSelection(EditBasicInfoPage::SignComboEntry(0));
    return dlg->Accept() ? wxID_OK : wxID_CANCEL;
}

inline std::string Cell(wxListCtrl* list, long row, int column) {
    return std::string(list->GetItemText(row, column).utf8_str());
}

}  // namespace editing_test

#include <wx/choicdlg.h>
#include <wx/listbox.h>

#include "editing/EditFriendsPage.h"
#include "editing/EditMatchPage.h"
#include "app/RowListCtrl.h"
#include "editing/EnterFriendsDlg.h"
#include "editing/MakeMatchDlg.h"

namespace editing_test {

/// Selects the entry of a list box (or of a list that looks like one) whose text
/// starts with `prefix`; -1 when none.
template <typename Box>
int SelectStarting(Box* list, const std::string& prefix) {
    for (unsigned i = 0; i < list->GetCount(); ++i)
        if (std::string(list->GetString(i).utf8_str()).rfind(prefix, 0) == 0) {
            list->SetSelection(static_cast<int>(i));
            return static_cast<int>(i);
        }
    return -1;
}

/// A click on the button `id` of a dialog, as its handler receives it.
inline void ClickButton(wxWindow& window, int id) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(&window);
    window.GetEventHandler()->ProcessEvent(click);
}

/// In a picker: chooses the family, then adds the member, as the double-click does.
inline void PickMember(EnterFriendsDlg* picker, const std::string& family, const std::string& member) {
    const int f = SelectStarting(picker->FamilyColumn(), family);
    ASSERT_GE(f, 0) << family;
    picker->ChooseFamily(f);
    const int m = SelectStarting(picker->MemberColumn(), member);
    ASSERT_GE(m, 0) << member;
    picker->AddMemberAt(m);
}

/// Answers the chemistry type question with a type index.
class AnswerChemistryType : public wxExpectModalBase<wxSingleChoiceDialog, AnswerChemistryType> {
public:
    explicit AnswerChemistryType(int type) : type_(type) {}

protected:
    int OnInvoked(wxSingleChoiceDialog* dlg) const override {
        dlg->SetSelection(type_);
        return wxID_OK;
    }
    wxString GetDefaultDescription() const override { return "the chemistry type question"; }

private:
    int type_;
};

}  // namespace editing_test
