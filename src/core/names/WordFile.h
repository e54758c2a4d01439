#pragma once
#include <string>
#include <string_view>
#include <vector>

/// A text file held as an ordered list of lines. Report writers append lines
/// and save; the names file derives from it.
///
/// The file is read whole and closed again; lines of any length are kept in
/// one piece. Saving replaces the file atomically, so a failed save leaves the
/// previous file exactly as it was.
class WordFile {
public:
    WordFile() = default;
    virtual ~WordFile() = default;

    WordFile(const WordFile&) = default;
    WordFile& operator=(const WordFile&) = default;

    /// Forgets the path and loads `path`. The result is not reported: a file
    /// that cannot be read simply leaves the lines as they were.
    void Open(const std::string& path);

    /// Reads `path` into `lines`: trailing white space (line break included)
    /// is removed from every line, lines left empty are dropped, leading
    /// white space stays. False (lines unchanged) when there is no path or the
    /// file cannot be read.
    virtual bool Load(const std::string& path);

    /// Writes every line followed by "\n" to `path`, replacing the file.
    /// False when there is no path or the file cannot be written.
    virtual bool Save(const std::string& path);

    void AppendLine(std::string_view text) { lines.emplace_back(text); }

    /// Forgets the path (the lines stay).
    void Reset() { path.clear(); }

    /// The file last loaded or saved.
    std::string path;
    /// The lines in file order, without line breaks.
    std::vector<std::string> lines;
};
