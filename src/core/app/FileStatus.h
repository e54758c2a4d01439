#pragma once
#include <string>
#include <string_view>

/// The current-file name of a neighborhood that was never given a file. It is
/// a marker the save routine recognises, so it is never translated.
inline constexpr const char* kUnsavedFileName = "Unsaved";

/// The file-name part of a path: the text after its last folder separator,
/// the whole text when it has none.
std::string FileNamePart(std::string_view path);

/// The status bar's file field: "Current File: " with the file-name part of
/// the current file, and "*" when the neighborhood has unsaved changes.
std::string FileStatusText(std::string_view currentFile, bool modified);

/// What the save routine does with a file name.
enum class SaveNameCheck {
    Empty,      ///< nothing to save to: "Error: Can't save to an empty file"
    AskForName, ///< never saved: ask for a name first (the dialog suggests "Unsaved")
    Write,      ///< write to this name
};
SaveNameCheck CheckSaveName(std::string_view name);

/// What a close request does with the neighborhood. Whatever the answer, the
/// program settings file (with the matchmaker's group) and the names file are
/// written first, so even a close that is then cancelled has written them.
enum class CloseAction {
    /// No file or no family: close without saving and without storing the
    /// file names.
    CloseWithoutSaving,
    /// Ask whether to save; Cancel keeps the window open, Yes saves to the
    /// current file, No does not; then store the file names and close.
    AskThenClose,
    /// Save to the current file without asking (a never-saved neighborhood
    /// still gets the file dialog), then store the file names and close.
    SaveThenClose,
};
CloseAction DecideCloseAction(std::string_view currentFile, bool neighborhoodEmpty, bool askToSave);
