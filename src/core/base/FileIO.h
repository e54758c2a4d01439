#pragma once
#include <functional>
#include <string>
#include <string_view>

/// Reads a whole file into `out`. False when it cannot be opened or read;
/// `out` is then empty.
bool ReadWholeFile(const std::string& path, std::string& out);

/// Writes `contents` to a temporary file in the same folder, flushes it to the
/// disk and renames it over `path`. When any step fails the previous file is
/// left exactly as it was, the temporary file is removed and false is
/// returned (with a reason in `error` when given).
bool WriteFileAtomically(const std::string& path, std::string_view contents,
                         std::string* error = nullptr);

/// The steps of WriteFileAtomically, for tests that inject failures.
enum class WriteStep { Open, Write, Sync, Rename };

/// Tests install a hook that returns true for the step that should fail;
/// nullptr removes it. Not for production use.
void SetWriteFaultHook(std::function<bool(WriteStep)> hook);
