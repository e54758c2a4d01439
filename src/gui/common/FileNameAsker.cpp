#include "common/FileNameAsker.h"

#include <utility>

#include <wx/filedlg.h>

namespace {

FileNameAsker& Replacement() {
    static FileNameAsker asker;
    return asker;
}

}  // namespace

wxString AskFileName(const FileNameRequest& request) {
    if (Replacement()) return Replacement()(request);
    const long style = request.forSaving ? (wxFD_SAVE | wxFD_OVERWRITE_PROMPT) : (wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    return wxFileSelector(request.message, request.defaultDir, request.defaultFile, request.extension,
                          request.wildcard.empty() ? wxString(wxFileSelectorDefaultWildcardStr) : request.wildcard,
                          style, request.parent);
}

FileNameAsker SetFileNameAsker(FileNameAsker asker) {
    return std::exchange(Replacement(), std::move(asker));
}
