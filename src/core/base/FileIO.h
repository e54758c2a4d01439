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

/// Writes a file through a temporary file in the same folder that is flushed
/// to the disk and renamed over the target only by Commit, so the target is
/// either the old file or the whole new one. Any failure (and destruction
/// without Commit) removes the temporary file and leaves the old file exactly
/// as it was; Error() then holds the reason.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    /// Creates the temporary file beside `path`. False when it cannot be made.
    bool Open(const std::string& path);
    /// Appends bytes. False when they cannot be written; every later call
    /// then fails too.
    bool Write(std::string_view bytes);
    /// Flushes, closes and renames the temporary file over the path. False
    /// when any step fails or an earlier one did.
    bool Commit();
    /// Removes the temporary file; the target stays as it was.
    void Abandon();

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Error() const { return error_; }

private:
    bool Fail(const std::string& what);

    std::string path_;
    std::string temp_;
    int fd_ = -1;
    std::string error_;
};

/// Writes `contents` to a temporary file in the same folder, flushes it to the
/// disk and renames it over `path`. When any step fails the previous file is
/// left exactly as it was, the temporary file is removed and false is
/// returned (with a reason in `error` when given).
bool WriteFileAtomically(const std::string& path, std::string_view contents,
                         std::string* error = nullptr);

/// The steps of an atomic write, for tests that inject failures.
enum class WriteStep { Open, Write, Sync, Rename };

/// Tests install a hook that returns true for the step that should fail;
/// nullptr removes it. Not for production use.
void SetWriteFaultHook(std::function<bool(WriteStep)> hook);

/// The steps of reading a file, for tests that inject failures: opening it,
/// and each read of a piece of it.
enum class ReadStep { Open, Read };

/// Tests install a hook that returns true for the step that should fail;
/// nullptr removes it. Not for production use.
void SetReadFaultHook(std::function<bool(ReadStep)> hook);
