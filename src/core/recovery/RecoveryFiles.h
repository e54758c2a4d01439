#pragma once
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "base/Translate.h"

class NeighborhoodFile;

/// The folder recovery copies are kept in: $XDG_STATE_HOME/Nestrel/recovery, or
/// $HOME/.local/state/Nestrel/recovery when XDG_STATE_HOME is unset, empty or not an
/// absolute path (such a value is to be ignored). Empty when neither gives a folder.
/// Pass the two environment values (nullptr when unset).
std::string RecoveryDir(const char* xdgStateHome, const char* home);

/// Seconds between two recovery copies when the configuration store holds nothing.
inline constexpr int kDefaultAutoSaveSeconds = 60;
/// The longest interval honoured (a day), so that the timer's milliseconds stay small.
inline constexpr int kLongestAutoSaveSeconds = 24 * 60 * 60;

/// The interval the configuration store's "AutoSaveSeconds" text asks for: 0 turns
/// recovery copies off; an empty text, a text without a number or a negative number
/// gives the default (a typing mistake must not quietly switch the protection off);
/// longer than a day gives a day.
int AutoSaveSecondsFromText(std::string_view text);

/// The file a neighborhood lives in, as a full path without "." or ".." parts; empty
/// for a neighborhood that has no file yet ("Unsaved", or nothing after a failed load).
std::string NeighborhoodFilePath(const NeighborhoodFile& file, std::string_view currentFile);

/// A recovery copy worth offering: it is newer than the neighborhood's own file.
struct RecoveryOffer {
    std::string copyPath;
    std::string neighborhoodPath;  // empty for a neighborhood that had no file
    std::string discardedPath;     // where No keeps the copy
    int64_t savedAt = 0;           // when the copy was written, seconds since 1970
};

/// The recovery copies of neighborhoods with unsaved changes. There is one copy per
/// neighborhood, named after the neighborhood's file and told apart from other files
/// of that name in other folders by a short digest of its full path; a neighborhood
/// that has no file yet has the one copy "Unsaved.NBD". A copy that was declined is
/// kept aside as the neighborhood's one discarded copy; a copy that could not be read
/// is kept aside under a name of its own. Nothing here ever deletes a copy the user
/// has not seen, except a copy of changes that were since saved or declined.
class RecoveryFiles {
public:
    explicit RecoveryFiles(std::string dir) : dir_(std::move(dir)) {}

    const std::string& Dir() const { return dir_; }

    /// Where the copy of the neighborhood in `neighborhoodPath` is kept.
    std::string CopyPath(std::string_view neighborhoodPath) const;
    /// Where its declined copy is kept.
    std::string DiscardedPath(std::string_view neighborhoodPath) const;

    /// Writes the neighborhood's copy through a temporary file, creating the folder
    /// (readable by the user only) when needed. A copy already there that this run
    /// neither wrote nor took over is first kept aside as the discarded copy, so a
    /// copy from another run is never overwritten. Touches nothing of `file` but
    /// reads it. False with a reason in `error` when the copy cannot be written.
    bool WriteCopy(const NeighborhoodFile& file, std::string_view neighborhoodPath, std::string* error = nullptr);

    /// Removes the neighborhood's copy: its changes were saved or declined. True when
    /// no copy is left.
    bool RemoveCopy(std::string_view neighborhoodPath);

    /// The neighborhood's copy when there is one and it is newer than the
    /// neighborhood's file (a missing file counts as older). A copy that is older was
    /// left behind by changes saved since, and is not offered.
    std::optional<RecoveryOffer> FindOffer(std::string_view neighborhoodPath) const;

    /// The copy is what the user now works on: this run may write over it.
    void TakeOver(std::string_view neighborhoodPath);

    /// Keeps the copy aside as the neighborhood's discarded copy, replacing an older
    /// discarded copy. False when there was no copy or it could not be moved.
    bool Discard(std::string_view neighborhoodPath);

    /// Keeps a copy that could not be read aside under a name not yet taken. The name
    /// it now has, or empty when it could not be moved (it then stays where it was).
    std::string SetAsideUnreadable(std::string_view neighborhoodPath);

private:
    // The copy's file name without its ".NBD".
    std::string BaseName(std::string_view neighborhoodPath) const;

    std::string dir_;
    std::set<std::string> ours_;  // copies this run wrote or took over
};

/// A time as the user's clock shows it: "2026-12-11 08:15:02".
std::string LocalTimeText(int64_t secondsSince1970);

/// The question that offers a copy: it names the neighborhood's file and the time of
/// the copy, and says what No does.
std::string RecoveryQuestionText(const RecoveryOffer& offer);

/// The message about a copy that could not be read; `keptAs` is where it was kept
/// aside (empty when it could not be moved).
std::string UnreadableCopyText(const RecoveryOffer& offer, std::string_view keptAs);

/// The caption of the recovery question.
inline constexpr const char* kRecoverCaption = N_("Recover Unsaved Changes");
