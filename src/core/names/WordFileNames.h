#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "names/WordFile.h"

/// The default-names file: female first names, male first names and last
/// names under the headers "[female]", "[male]" and "[last]". The name
/// generator draws from the three lists and adds to them; the main window
/// loads the file at start and saves it when it closes.
class WordFileNames : public WordFile {
public:
    /// Reads the file and parses it into the three lists, which it replaces.
    /// A file without lines leaves the lists as they are and succeeds; a file
    /// whose first line is not "[female]" loads no names and fails.
    bool Load(const std::string& path) override;

    /// Writes the three lists, each under its header, the first two followed
    /// by an empty line.
    bool Save(const std::string& path) override;

    /// A random entry of the list (the C library's rand), or "" when empty.
    std::string RandomFemale() const { return RandomOf(femaleNames); }
    std::string RandomMale() const { return RandomOf(maleNames); }
    std::string RandomLast() const { return RandomOf(lastNames); }

    /// Adds a name; false (nothing changes) when the list already holds it
    /// without regard to letter case, or when the name could not be stored
    /// as one line of the file (empty, a line break, or a section header).
    bool AddFemale(std::string_view name) { return AddTo(femaleNames, name); }
    bool AddMale(std::string_view name) { return AddTo(maleNames, name); }
    bool AddLast(std::string_view name) { return AddTo(lastNames, name); }

    std::vector<std::string> femaleNames;
    std::vector<std::string> maleNames;
    std::vector<std::string> lastNames;

private:
    static std::string RandomOf(const std::vector<std::string>& list);
    static bool AddTo(std::vector<std::string>& list, std::string_view name);
};
