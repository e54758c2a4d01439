#include "common/MessageBox.h"

#include <wx/msgdlg.h>

#include "common/WxString.h"

void ShowNotice(const wxString& text, const wxString& caption, wxWindow* parent) {
    wxMessageBox(text, caption, wxOK | wxCENTRE, parent);
}

bool AskYesNoQuestion(const wxString& text, const wxString& caption, wxWindow* parent) {
    return wxMessageBox(text, caption, wxYES_NO | wxCENTRE, parent) == wxYES;
}

void MessageBoxPrompter::Notice(const std::string& text, const std::string& caption) {
    ShowNotice(ToWx(text), ToWx(caption), parent_);
}

bool MessageBoxPrompter::AskYesNo(const std::string& text, const std::string& caption) {
    return AskYesNoQuestion(ToWx(text), ToWx(caption), parent_);
}
