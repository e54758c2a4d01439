#include <filesystem>
#include <system_error>

#include <wx/intl.h>

#include "app/ConfigStore.h"
#include "app/FileStatus.h"
#include "app/NestrelFrame.h"
#include "storage/ProgramSettings.h"

// What happens when the main window is asked to close (its close box, Exit, or the
// session ending): the settings and names files are written, the neighborhood is saved
// or offered for saving, and the file names are remembered for the next start.

bool NestrelFrame::PrepareToClose(bool canRefuse) {
    // Written before the user is asked anything, so even a cancelled close has stored
    // them. A failure is not reported: there is nothing the user could do about it now.
    WriteSettings(SettingsFilePath(installDir_), settings_, &matchSettings_);
    SaveNamesList();

    // Families typed in after a failed load have no file yet; they are offered for
    // saving like a neighborhood that was never saved, not silently dropped.
    const std::string saveName = currentFile_.empty() ? std::string(kUnsavedFileName) : currentFile_;
    const CloseAction action = DecideCloseAction(saveName, NeighborhoodIsEmpty(), settings_.askToSave);
    if (action == CloseAction::CloseWithoutSaving) return true;

    if (!canRefuse) {
        // The session is ending: nobody can answer a question or pick a file now. Save
        // only where the neighborhood already has a file of its own.
        if (CheckSaveName(saveName) == SaveNameCheck::Write) SaveTo(saveName);
        StoreFileNames(neighborhoodFile_);
        return true;
    }

    if (action == CloseAction::AskThenClose) {
        if (!PromptToSave()) return false;
    } else if (!SaveTo(saveName)) {
        // Saving without asking failed: closing now would lose the neighborhood, so the
        // user decides after all.
        ShowNotice(_("Error saving file!"));
        if (!PromptToSave()) return false;
    }
    StoreFileNames(neighborhoodFile_);
    return true;
}

void NestrelFrame::SaveNamesList() {
    const std::string path = NamesFilePath();
    if (namesFileUnreadable_) {
        // The file there could not be read at start-up. Writing the lists over it would
        // replace the user's names with nothing, so it stays as it is unless names were
        // added meanwhile; then the old file is kept beside the new one.
        if (names_.femaleNames.empty() && names_.maleNames.empty() && names_.lastNames.empty()) return;
        std::error_code ec;
        std::filesystem::copy_file(path, path + ".bak", std::filesystem::copy_options::overwrite_existing, ec);
        if (ec) return;
    }
    if (names_.Save(path)) namesFileUnreadable_ = false;
}
