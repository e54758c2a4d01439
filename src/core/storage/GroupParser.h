#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "storage/GroupFile.h"

/// Called with each complete group in file order. The group's texts point
/// into the parser's buffer and stay valid only during the call.
using GroupSink = std::function<void(const Group&)>;

/// The size of the pieces group files are read in.
inline constexpr size_t kGroupChunkSize = size_t{1} << 20;

/// Splits group file text into groups (the grammar is described at
/// GroupFile) while the text arrives in pieces of any size: a group is handed
/// to the sink as soon as the header of the next one (or the end) is seen, so
/// only the group being read and the unread rest of the last piece are held.
/// A piece may end anywhere, inside a CR LF pair or a header included.
///
/// The text is kept in one buffer that is reused: lines are moved left over
/// the CRs of their CR LF pairs in place, and once a group is handed out its
/// bytes are dropped before the next piece is read. The buffer grows only
/// when one group does not fit.
class GroupParser {
public:
    explicit GroupParser(GroupSink sink, size_t chunkSize = kGroupChunkSize);
    GroupParser(const GroupParser&) = delete;
    GroupParser& operator=(const GroupParser&) = delete;

    /// Room for the next piece: at least one byte, usually about a chunk.
    /// Write up to `size` bytes at `data` and report them with Added.
    struct Space {
        char* data;
        size_t size;
    };
    Space NextSpace();
    /// Parses the lines completed by `count` bytes written into NextSpace().
    void Added(size_t count);
    /// Copies the bytes into the buffer and parses them.
    void Feed(std::string_view bytes);
    /// Takes a whole text as the buffer (no copy); call Finish next.
    void Adopt(std::string text);
    /// The end of the text: the last line (even without a line feed) and
    /// the last group are handed out.
    void Finish();

    /// The buffer, for callers that keep views of the groups of an adopted
    /// text; after Finish it holds the compacted text up to Size().
    const char* Data() const { return buffer_.data(); }
    /// Hands over the buffer cut to the compacted text. Views into an adopted
    /// text stay at the same offsets.
    std::string Release();

private:
    void ParseLines(bool final);
    void HandOut(size_t bodyEnd, bool always);
    void MakeRoom();

    GroupSink sink_;
    size_t chunkSize_;
    std::string buffer_;
    // Offsets into buffer_. [groupStart_, write_) is the compacted text of the
    // group being read (its header line first, when it has one); [read_,
    // end_) is text not parsed yet, of which [read_, scanned_) holds no line
    // feed.
    size_t groupStart_ = 0;
    size_t nameStart_ = 0;
    size_t nameLength_ = 0;
    size_t bodyStart_ = 0;
    size_t write_ = 0;
    size_t read_ = 0;
    size_t scanned_ = 0;
    size_t end_ = 0;
    bool haveGroup_ = false;  // lines before the first header make a group only if there are any
};

/// Reads the file in pieces of `chunkSize` bytes and hands every group to
/// the sink in file order. False when the file cannot be opened (or is a
/// folder) and when reading fails part way; groups handed out before the
/// failure stay handed out, the rest of the file is not parsed.
bool StreamGroupFile(const std::string& path, const GroupSink& sink, size_t chunkSize = kGroupChunkSize);
