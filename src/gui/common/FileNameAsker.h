#pragma once
#include <functional>

#include <wx/string.h>

class wxWindow;

/// What the program asks the user when it needs a file name.
struct FileNameRequest {
    wxWindow* parent = nullptr;
    wxString message;      // the dialog's title
    wxString defaultDir;
    wxString defaultFile;
    wxString extension;    // default extension without the dot, e.g. "NBD"
    wxString wildcard;     // e.g. "Nestrel files (*.NBD)|*.NBD"
    bool forSaving = false;
};

using FileNameAsker = std::function<wxString(const FileNameRequest&)>;

/// Every file name the program asks for goes through here: the full path chosen, or an
/// empty text when the user cancelled. Shows the toolkit's file selector unless a
/// replacement is installed.
wxString AskFileName(const FileNameRequest& request);

/// Window tests answer file questions themselves; an empty function restores the real
/// selector. Returns the previous replacement.
FileNameAsker SetFileNameAsker(FileNameAsker asker);
