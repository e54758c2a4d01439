#include "recovery/RecoveryFiles.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "app/FileStatus.h"
#include "base/Text.h"
#include "base/Translate.h"
#include "storage/NeighborhoodFile.h"

namespace fs = std::filesystem;

namespace {

// Long enough to recognise the neighborhood, short enough that the digest and the
// suffixes still fit a file name of 255 bytes.
constexpr size_t kLongestStem = 120;

// FNV-1a: stable from run to run and from machine to machine, which is all the
// digest needs; it only tells apart files of the same name in different folders.
uint64_t PathDigest(std::string_view path) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : path) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// Cuts a name to at most `limit` bytes without splitting a UTF-8 character.
std::string CutName(std::string name, size_t limit) {
    if (name.size() <= limit) return name;
    size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
    return name;
}

// Puts the values in place of %1, %2, ... in one pass, so that a value holding "%2"
// (a folder may be named so) is left as it is.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ShownName(std::string_view neighborhoodPath) {
    return neighborhoodPath.empty() ? tr("a neighborhood that was never saved") : std::string(neighborhoodPath);
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

}  // namespace

std::string RecoveryDir(const char* xdgStateHome, const char* home) {
    if (xdgStateHome != nullptr && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/Nestrel/recovery";
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/state/Nestrel/recovery";
    return {};
}

int AutoSaveSecondsFromText(std::string_view text) {
    if (text.find_first_of("0123456789") == std::string_view::npos) return kDefaultAutoSaveSeconds;
    const int32_t seconds = AtoiLike(text);
    if (seconds < 0) return kDefaultAutoSaveSeconds;
    return seconds > kLongestAutoSaveSeconds ? kLongestAutoSaveSeconds : seconds;
}

std::string NeighborhoodFilePath(const NeighborhoodFile& file, std::string_view currentFile) {
    if (currentFile.empty() || currentFile == kUnsavedFileName) return {};
    fs::path path(file.ResolvePath(std::string(currentFile)));
    std::error_code ec;
    fs::path full = fs::absolute(path, ec);
    if (ec) full = path;
    return full.lexically_normal().string();
}

std::string RecoveryFiles::BaseName(std::string_view neighborhoodPath) const {
    if (neighborhoodPath.empty()) return kUnsavedFileName;
    std::string stem = fs::path(neighborhoodPath).stem().string();
    // A hidden file's copy need not be hidden too.
    stem.erase(0, stem.find_first_not_of('.'));
    if (stem.empty()) stem = "Neighborhood";
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(PathDigest(neighborhoodPath)));
    return CutName(stem, kLongestStem) + "-" + digest;
}

std::string RecoveryFiles::CopyPath(std::string_view neighborhoodPath) const {
    return dir_ + "/" + BaseName(neighborhoodPath) + ".NBD";
}

std::string RecoveryFiles::DiscardedPath(std::string_view neighborhoodPath) const {
    return dir_ + "/" + BaseName(neighborhoodPath) + ".discarded.NBD";
}

bool RecoveryFiles::WriteCopy(const NeighborhoodFile& file, std::string_view neighborhoodPath, std::string* error) {
    if (dir_.empty()) {
        if (error) *error = tr("There is no folder for recovery copies.");
        return false;
    }
    std::error_code ec;
    if (!fs::is_directory(dir_, ec)) {
        fs::create_directories(dir_, ec);
        // The copies hold the user's neighborhood: nobody else needs to read them.
        if (!ec) fs::permissions(dir_, fs::perms::owner_all, ec);
        if (!fs::is_directory(dir_, ec)) {
            if (error) *error = Fill(tr("The folder %1 cannot be made."), {dir_});
            return false;
        }
    }
    const std::string copy = CopyPath(neighborhoodPath);
    if (!ours_.count(copy) && Exists(copy)) Discard(neighborhoodPath);
    if (!file.WriteCopy(copy, error)) return false;
    ours_.insert(copy);
    return true;
}

bool RecoveryFiles::RemoveCopy(std::string_view neighborhoodPath) {
    const std::string copy = CopyPath(neighborhoodPath);
    ours_.erase(copy);
    std::error_code ec;
    fs::remove(copy, ec);
    return !Exists(copy);
}

std::optional<RecoveryOffer> RecoveryFiles::FindOffer(std::string_view neighborhoodPath) const {
    const std::string copy = CopyPath(neighborhoodPath);
    std::error_code ec;
    if (!fs::is_regular_file(copy, ec)) return std::nullopt;
    const fs::file_time_type copyTime = fs::last_write_time(copy, ec);
    if (ec) return std::nullopt;
    if (!neighborhoodPath.empty()) {
        const fs::path own{std::string(neighborhoodPath)};
        std::error_code fileEc;
        if (fs::exists(own, fileEc)) {
            const fs::file_time_type fileTime = fs::last_write_time(own, fileEc);
            if (!fileEc && copyTime <= fileTime) return std::nullopt;
        }
    }
    RecoveryOffer offer;
    offer.copyPath = copy;
    offer.neighborhoodPath = std::string(neighborhoodPath);
    offer.discardedPath = DiscardedPath(neighborhoodPath);
    offer.savedAt = std::chrono::duration_cast<std::chrono::seconds>(
                        std::chrono::file_clock::to_sys(copyTime).time_since_epoch())
                        .count();
    return offer;
}

void RecoveryFiles::TakeOver(std::string_view neighborhoodPath) { ours_.insert(CopyPath(neighborhoodPath)); }

bool RecoveryFiles::Discard(std::string_view neighborhoodPath) {
    const std::string copy = CopyPath(neighborhoodPath);
    ours_.erase(copy);
    std::error_code ec;
    fs::rename(copy, DiscardedPath(neighborhoodPath), ec);
    return !ec;
}

std::string RecoveryFiles::SetAsideUnreadable(std::string_view neighborhoodPath) {
    const std::string copy = CopyPath(neighborhoodPath);
    const std::string base = dir_ + "/" + BaseName(neighborhoodPath) + ".unreadable";
    // Each unreadable copy keeps a name of its own: none of them is ever replaced.
    for (int n = 1; n <= 1000; ++n) {
        const std::string target = n == 1 ? base + ".NBD" : base + "-" + std::to_string(n) + ".NBD";
        if (Exists(target)) continue;
        std::error_code ec;
        fs::rename(copy, target, ec);
        if (ec) return {};
        ours_.erase(copy);
        return target;
    }
    return {};
}

std::string LocalTimeText(int64_t secondsSince1970) {
    const std::time_t when = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) return std::to_string(secondsSince1970);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string RecoveryQuestionText(const RecoveryOffer& offer) {
    return Fill(tr("Nestrel stopped before the changes to %1 were saved. A recovery copy of them was "
                   "written at %2.\n\nDo you want to open the recovered neighborhood? Its changes stay "
                   "unsaved until you save them.\n\nNo keeps the recovery copy aside as %3."),
                {ShownName(offer.neighborhoodPath), LocalTimeText(offer.savedAt), offer.discardedPath});
}

std::string UnreadableCopyText(const RecoveryOffer& offer, std::string_view keptAs) {
    if (keptAs.empty())
        return Fill(tr("The recovery copy of %1 could not be read. It was left where it is: %2"),
                    {ShownName(offer.neighborhoodPath), offer.copyPath});
    return Fill(tr("The recovery copy of %1 could not be read. It was kept aside as %2"),
                {ShownName(offer.neighborhoodPath), keptAs});
}
