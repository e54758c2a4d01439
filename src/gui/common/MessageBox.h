#pragma once
#include <string>

#include <wx/intl.h>
#include <wx/string.h>

#include "base/Prompter.h"
#include "base/Translate.h"

class wxWindow;

/// The captions the program's message boxes use. Texts pass through the translation
/// lookup when shown, not here.
namespace Caption {
inline constexpr const char* Message = N_("Message");
inline constexpr const char* Error = N_("Error");
inline constexpr const char* Warning = N_("Warning!");
inline constexpr const char* Question = N_("Question");
inline constexpr const char* Save = N_("Save?");
inline constexpr const char* Delete = N_("Delete?");
inline constexpr const char* DeleteItem = N_("Delete Item");
inline constexpr const char* DeleteFamily = N_("Delete Family?");
inline constexpr const char* Evict = N_("Evict?");
inline constexpr const char* UpdateRequired = N_("Update Required");
inline constexpr const char* NoUpdate = N_("No Update");
inline constexpr const char* Promotion = N_("Promotion!");
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
