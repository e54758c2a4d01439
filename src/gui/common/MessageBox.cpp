#include "common/MessageBox.h"

#include <wx/msgdlg.h>
#include <wx/timer.h>

#include "common/WxString.h"

// The native GTK message box leaves its window title empty when the caption is the
// toolkit's own default ("Message"), which is this program's usual caption. The title
// is set on the native window once it exists, that is once the modal loop runs.
extern "C" void gtk_window_set_title(void* window, const char* title);

int ShowMessageBox(const wxString& text, const wxString& caption, long style, wxWindow* parent) {
    wxMessageDialog dialog(parent, text, caption, style);
    wxTimer titler;
    titler.Bind(wxEVT_TIMER, [&dialog, &titler, caption](wxTimerEvent&) {
        if (dialog.GetHandle() == nullptr) return;  // not made yet: try again
        titler.Stop();
        gtk_window_set_title(dialog.GetHandle(), caption.utf8_str());
    });
    titler.Start(1);
    switch (dialog.ShowModal()) {
        case wxID_YES:
            return wxYES;
        case wxID_NO:
            return wxNO;
        case wxID_OK:
            return wxOK;
        default:
            return wxCANCEL;
    }
}

void ShowNotice(const wxString& text, const wxString& caption, wxWindow* parent) {
    ShowMessageBox(text, caption, wxOK | wxCENTRE, parent);
}

bool AskYesNoQuestion(const wxString& text, const wxString& caption, wxWindow* parent) {
    return ShowMessageBox(text, caption, wxYES_NO | wxCENTRE, parent) == wxYES;
}

void MessageBoxPrompter::Notice(const std::string& text, const std::string& caption) {
    ShowNotice(ToWx(text), ToWx(caption), parent_);
}

bool MessageBoxPrompter::AskYesNo(const std::string& text, const std::string& caption) {
    return AskYesNoQuestion(ToWx(text), ToWx(caption), parent_);
}
