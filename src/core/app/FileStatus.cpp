#include "app/FileStatus.h"

#include "base/Translate.h"
#include "model/TextFormat.h"

std::string FileNamePart(std::string_view path) {
    // Names stored by the Windows program use '\'; on this system paths from
    // the file dialog use '/'. Either one ends a folder.
    const size_t cut = path.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string FileStatusText(std::string_view currentFile, bool modified) {
    std::string text = FormatTextV(tr("Current File: %s"), FileNamePart(currentFile).c_str());
    if (modified) text += "*";
    return text;
}

SaveNameCheck CheckSaveName(std::string_view name) {
    if (name.empty()) return SaveNameCheck::Empty;
    if (name == kUnsavedFileName) return SaveNameCheck::AskForName;
    return SaveNameCheck::Write;
}

CloseAction DecideCloseAction(std::string_view currentFile, bool neighborhoodEmpty, bool askToSave) {
    if (currentFile.empty() || neighborhoodEmpty) return CloseAction::CloseWithoutSaving;
    return askToSave ? CloseAction::AskThenClose : CloseAction::SaveThenClose;
}
