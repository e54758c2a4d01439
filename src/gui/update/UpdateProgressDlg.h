#pragma once
#include <functional>

#include <wx/dialog.h>

/// The small window that says "Checking for updates..." while the check runs. It is
/// not modal: the main window stays usable. Its Cancel button (or closing it) calls
/// `onCancel`; the owner then destroys the window.
class UpdateProgressDlg : public wxDialog {
public:
    UpdateProgressDlg(wxWindow* parent, std::function<void()> onCancel);

private:
    std::function<void()> onCancel_;
};
