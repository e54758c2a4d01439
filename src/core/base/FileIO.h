#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

/// Reads a whole file into `out`. False when it cannot be opened or read;
/// `out` is then empty.
bool ReadWholeFile(const std::string& path, std::string& out);

/// A file opened for reading piece by piece. Folders are refused.
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    /// False when the path cannot be opened or names a folder.
    bool Open(const std::string& path);
    /// Reads up to `size` bytes into `into`: the number read, 0 at the end of
    /// the file, -1 when reading fails (the file is then closed).
    int64_t Read(char* into, size_t size);
    /// The file's size when it was opened (0 when unknown).
    uint64_t SizeHint() const { return sizeHint_; }
    bool IsOpen() const { return fd_ >= 0; }
    void Close();

private:
    int fd_ = -1;
    uint64_t sizeHint_ = 0;
};

/// Writes a file so that the target is either the old file or the whole new one.
///
/// The new contents go to a temporary file in the target's folder: an unnamed one
/// where the file system allows it, so that a crash or a killed process leaves
/// nothing behind, otherwise a hidden one named ".<name>.XXXXXX.nestrel-tmp". Commit
/// flushes it to the disk and renames it over the target; a successful Commit also
/// removes hidden temporaries that an earlier, interrupted save of the same target
/// left. A symbolic link is written through: the file it points to is replaced and
/// the link stays. A file the user may not write is refused, as a file that cannot
/// be created is. When the folder allows no new file but the target is writable, the
/// target is written in place (flushed and synced), as a plain write would. The
/// target's permissions are kept. Any failure (and destruction without Commit)
/// removes the temporary file and leaves the old file as it was; Error() then holds
/// the reason.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    /// Prepares writing `path`. False when it cannot be written.
    bool Open(const std::string& path);
    /// Appends bytes. False when they cannot be written; every later call
    /// then fails too.
    bool Write(std::string_view bytes);
    /// Flushes, closes and puts the new file in place. False when any step fails
    /// or an earlier one did.
    bool Commit();
    /// Drops the temporary file; the target stays as it was.
    void Abandon();

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Error() const { return error_; }

    /// How the new contents are being written: to an unnamed temporary file, to a
    /// hidden named one, or into the target itself. Tests look at it.
    enum class Kind { Unnamed, Named, InPlace };
    Kind WriteKind() const { return kind_; }

    /// The suffix of the hidden temporary files (".nestrel-tmp").
    static const char* TempSuffix();

private:
    bool Fail(const std::string& what);
    bool LinkUnnamed();
    void RemoveStaleTemporaries() const;

    std::string path_;    // as the caller named it, for messages
    std::string target_;  // the file really written: path_ with links followed
    std::string temp_;    // the named temporary file, when there is one
    int fd_ = -1;
    Kind kind_ = Kind::Unnamed;
    uint64_t written_ = 0;
    std::string error_;
};

/// The name a text report chosen by the user is written under: a name whose
/// last part has no extension gets ".txt" (a leading dot names a hidden file,
/// not an extension; a trailing dot gets "txt").
std::string ReportFileName(const std::string& chosen);

/// Writes `contents` to a temporary file in the same folder, flushes it to the
/// disk and renames it over `path`. When any step fails the previous file is
/// left exactly as it was, the temporary file is removed and false is
/// returned (with a reason in `error` when given).
bool WriteFileAtomically(const std::string& path, std::string_view contents,
                         std::string* error = nullptr);

/// The steps of an atomic write, for tests that inject failures. Open fails every
/// way of opening; FolderTemp makes the folder refuse new files (EACCES); Unnamed
/// makes the file system refuse unnamed files; Access makes the target one the user
/// may not write; Link fails naming the unnamed file before the rename.
enum class WriteStep { Open, Write, Sync, Rename, FolderTemp, Unnamed, Access, Link };

/// Tests install a hook that returns true for the step that should fail;
/// nullptr removes it. Not for production use.
void SetWriteFaultHook(std::function<bool(WriteStep)> hook);

/// The steps of reading a file, for tests that inject failures: opening it,
/// and each read of a piece of it.
enum class ReadStep { Open, Read };

/// Tests install a hook that returns true for the step that should fail;
/// nullptr removes it. Not for production use.
void SetReadFaultHook(std::function<bool(ReadStep)> hook);
