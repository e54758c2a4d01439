#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/GroupKeyIndex.h"

/// One group of a group file: the name from its "[name]" header (empty for
/// the lines before the first header) and its body, the group's lines in file
/// order, each ending with a line feed (the last line of a file may lack it).
///
/// The texts live in the GroupFile that holds the group.
class Group {
public:
    Group(std::string_view name, std::string_view body) : name_(name), body_(body) {}

    std::string_view Name() const { return name_; }
    std::string_view Body() const { return body_; }

    /// The key lookup of the program's files: the value of the first line
    /// that starts with `key` and '=' (a key is found only at the start of a
    /// line, and the first such line wins), up to the line's end. The first
    /// call builds a hash index of the group, so looking up all keys of a
    /// group is linear in its size.
    bool FindValue(std::string_view key, std::string_view& value) const;
    bool HasKey(std::string_view key) const;
    /// The value read as a number (atoi, saturated), or `fallback` when the
    /// key is absent.
    int32_t FindNumber(std::string_view key, int32_t fallback) const;
    /// The value as text, or `fallback` when the key is absent.
    std::string FindText(std::string_view key, std::string_view fallback = {}) const;

    /// Number of lines of the body; readers bound counts read from the file
    /// by it, since a group cannot describe more entries than it has lines.
    size_t LineCount() const;

    /// Drops the key index (readers of large files free it once a group is done).
    void ReleaseIndex() const { index_.reset(); }

private:
    const GroupKeyIndex& Index() const;

    std::string_view name_;
    std::string_view body_;
    mutable std::unique_ptr<GroupKeyIndex> index_;
};

/// The INI-like file of named groups that every data file of the program is
/// written in. Groups keep file order (or the order a writer appended them);
/// groups with equal names are all kept, nothing merges them.
///
/// Reading: a line whose first character is '[' and that holds a ']' starts
/// a group named by the text between the '[' and the first ']' (the rest of
/// the line is ignored); other lines join the current group's body; lines
/// before the first header form a group with an empty name. CR LF reads as
/// one line feed; a CR elsewhere is an ordinary character. Lines of any
/// length are read whole. GroupParser splits text this way, whole or in
/// pieces (large files are read through it a piece at a time).
///
/// Writing: "[name]" (only when the name is not empty), then the body, every
/// line feed written as CR LF; a body that does not end with a line feed gets
/// one, so the next header always starts a line.
class GroupFile {
public:
    GroupFile() = default;
    GroupFile(GroupFile&&) = default;
    GroupFile& operator=(GroupFile&&) = default;
    GroupFile(const GroupFile&) = delete;
    GroupFile& operator=(const GroupFile&) = delete;

    /// Reads a file; a file that cannot be read gives a GroupFile without
    /// groups (callers treat that as a failed read).
    static GroupFile LoadGroups(const std::string& path);
    /// Parses file contents held in memory.
    static GroupFile ParseGroups(std::string contents);

    /// Writes the groups through a temporary file and a rename, so a failed
    /// write leaves the old file whole. False (with a reason in `error`) when
    /// the file cannot be written.
    bool SaveGroups(const std::string& path, std::string* error = nullptr) const;
    /// The bytes SaveGroups writes.
    std::string ToText() const;

    /// Appends a group built in memory; `body` is a sequence of lines, each
    /// ending with a line feed.
    void AppendGroup(std::string name, std::string body);

    size_t Size() const { return groups_.size(); }
    bool Empty() const { return groups_.empty(); }
    const Group& At(size_t i) const { return groups_[i]; }
    std::vector<Group>::const_iterator begin() const { return groups_.begin(); }
    std::vector<Group>::const_iterator end() const { return groups_.end(); }

private:
    // Texts the groups' views point into. Held through pointers so that
    // moving the GroupFile leaves the views valid.
    std::vector<std::unique_ptr<std::string>> storage_;
    std::vector<Group> groups_;
};
