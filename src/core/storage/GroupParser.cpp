#include "storage/GroupParser.h"

#include <algorithm>
#include <cstring>

#include "base/FileIO.h"

GroupParser::GroupParser(GroupSink sink, size_t chunkSize)
    : sink_(std::move(sink)), chunkSize_(std::max<size_t>(chunkSize, 1)) {}

void GroupParser::MakeRoom() {
    // Drop the groups handed out, and close the gap the removed CRs left
    // between the parsed text and the rest: the group being read moves only
    // once after each group that ends, and the unparsed rest is at most a
    // line.
    char* const base = buffer_.data();
    const size_t kept = write_ - groupStart_;
    const size_t pending = end_ - read_;
    if (groupStart_ > 0 && kept) std::memmove(base, base + groupStart_, kept);
    if (read_ != kept && pending) std::memmove(base + kept, base + read_, pending);
    nameStart_ -= groupStart_;
    bodyStart_ -= groupStart_;
    scanned_ = kept + (scanned_ - read_);
    groupStart_ = 0;
    write_ = kept;
    read_ = kept;
    end_ = kept + pending;

    const size_t minimumRoom = std::max<size_t>(chunkSize_ / 4, 1);
    if (buffer_.size() - end_ < minimumRoom) buffer_.resize(std::max(buffer_.size() * 2, end_ + chunkSize_));
}

GroupParser::Space GroupParser::NextSpace() {
    MakeRoom();
    return {buffer_.data() + end_, buffer_.size() - end_};
}

void GroupParser::Added(size_t count) {
    end_ += std::min(count, buffer_.size() - end_);
    ParseLines(false);
}

void GroupParser::Feed(std::string_view bytes) {
    while (!bytes.empty()) {
        Space space = NextSpace();
        const size_t n = std::min(space.size, bytes.size());
        std::memcpy(space.data, bytes.data(), n);
        bytes.remove_prefix(n);
        Added(n);
    }
}

void GroupParser::Adopt(std::string text) {
    buffer_ = std::move(text);
    groupStart_ = nameStart_ = nameLength_ = bodyStart_ = write_ = read_ = scanned_ = 0;
    end_ = buffer_.size();
    haveGroup_ = false;
}

void GroupParser::Finish() {
    ParseLines(true);
    if (haveGroup_) HandOut(write_, false);
    haveGroup_ = false;
}

std::string GroupParser::Release() {
    buffer_.resize(write_);  // shrinks in place: offsets stay valid
    return std::move(buffer_);
}

void GroupParser::HandOut(size_t bodyEnd, bool always) {
    const char* base = buffer_.data();
    std::string_view name = nameLength_ ? std::string_view(base + nameStart_, nameLength_) : std::string_view();
    std::string_view body(base + bodyStart_, bodyEnd - bodyStart_);
    if (always || !name.empty() || !body.empty()) {
        Group group(name, body);
        sink_(group);
    }
}

void GroupParser::ParseLines(bool final) {
    // Each complete line is moved left over the CRs of the CR LF pairs before
    // it (so bodies hold plain line feeds); a line is taken only once its line
    // feed has arrived, or at the end, so a piece may end anywhere.
    char* const base = buffer_.data();
    while (read_ < end_) {
        const char* lf = static_cast<const char*>(std::memchr(base + scanned_, '\n', end_ - scanned_));
        if (!lf && !final) {
            scanned_ = end_;
            return;
        }
        const size_t lineEnd = lf ? static_cast<size_t>(lf - base) : end_;  // excludes the line feed
        size_t contentEnd = lineEnd;
        if (lf && contentEnd > read_ && base[contentEnd - 1] == '\r') --contentEnd;  // CR LF is one line feed
        const size_t length = contentEnd - read_;
        if (write_ != read_ && length) std::memmove(base + write_, base + read_, length);
        const size_t lineStart = write_;
        write_ += length;
        if (lf) base[write_++] = '\n';
        read_ = lf ? lineEnd + 1 : end_;
        scanned_ = read_;

        if (length && base[lineStart] == '[') {
            const void* close = std::memchr(base + lineStart + 1, ']', length - 1);
            if (close) {
                if (haveGroup_) HandOut(lineStart, true);
                haveGroup_ = true;
                groupStart_ = lineStart;
                nameStart_ = lineStart + 1;
                nameLength_ = static_cast<size_t>(static_cast<const char*>(close) - (base + nameStart_));
                bodyStart_ = write_;
                continue;
            }
        }
        haveGroup_ = true;
    }
}

bool StreamGroupFile(const std::string& path, const GroupSink& sink, size_t chunkSize) {
    InputFile file;
    if (!file.Open(path)) return false;
    GroupParser parser(sink, chunkSize);
    for (;;) {
        GroupParser::Space space = parser.NextSpace();
        const int64_t n = file.Read(space.data, space.size);
        if (n < 0) return false;
        if (n == 0) break;
        parser.Added(static_cast<size_t>(n));
    }
    parser.Finish();
    return true;
}
