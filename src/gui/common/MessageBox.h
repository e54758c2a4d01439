#pragma once
#include <string>

#include <wx/intl.h>
#include <wx/string.h>

#include "base/Prompter.h"

class wxWindow;

/// The captions the program's message boxes use. Texts pass through the translation
/// lookup when shown, not here.
namespace Caption {
inline constexpr const char* Message = "Message";
inline constexpr const char* Error = "Error";
inline constexpr const char* Warning = "Warning!";
inline constexpr const char* Question = "Question";
inline constexpr const char* Save = "Save?";
inline constexpr const char* Delete = "Delete?";
inline constexpr const char* DeleteItem = "Delete Item";
inline constexpr const char* DeleteFamily = "Delete Family?";
inline constexpr const char* Evict = "Evict?";
inline constexpr const char* UpdateRequired = "Update Required";
inline constexpr const char* NoUpdate = "No Update";
inline constexpr const char* Promotion = "Promotion!";
}  // namespace Caption

/// Every message box of the program goes through here: a modal box with the buttons
/// and icon of `style` (wxOK, wxYES_NO, wxCANCEL, wxICON_*, wxCENTRE), whose window
/// title is `caption` also on GTK. Answers wxOK, wxYES, wxNO or wxCANCEL, as
/// wxMessageBox does.
int ShowMessageBox(const wxString& text, const wxString& caption, long style, wxWindow* parent = nullptr);

/// A notice with one OK button, centred on the screen. Text and caption are shown as
/// given (callers translate them).
void ShowNotice(const wxString& text, const wxString& caption = wxGetTranslation(Caption::Message),
                wxWindow* parent = nullptr);

/// A Yes/No question centred on the screen; true means Yes.
bool AskYesNoQuestion(const wxString& text, const wxString& caption, wxWindow* parent = nullptr);

/// The program's answer to the core's questions and notices: message boxes.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(wxWindow* parent = nullptr) : parent_(parent) {}
    void Notice(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;

private:
    wxWindow* parent_;
};
