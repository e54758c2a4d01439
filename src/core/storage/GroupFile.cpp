#include "storage/GroupFile.h"

#include <cstring>

#include "base/FileIO.h"
#include "base/Text.h"

// ---- Group ----------------------------------------------------------------

const GroupKeyIndex& Group::Index() const {
    if (!index_) {
        index_ = std::make_unique<GroupKeyIndex>();
        index_->Build(body_);
    }
    return *index_;
}

bool Group::FindValue(std::string_view key, std::string_view& value) const {
    const GroupKeyIndex& index = Index();
    bool plainKey = true;
    for (char c : key) plainKey &= c != '=' && c != '\n';
    if (plainKey && index.Usable()) return index.Find(key, value);

    // Keys that hold '=' or a line feed cannot be indexed by line (nor can
    // bodies of 4 GB); search the body the plain way: "key=" at the very
    // start, else after a line feed.
    std::string pattern(key);
    pattern += '=';
    size_t pos = body_.find(pattern);
    if (pos == std::string_view::npos) return false;
    if (pos != 0) {
        pattern.insert(pattern.begin(), '\n');
        pos = body_.find(pattern);
        if (pos == std::string_view::npos) return false;
        ++pos;
    }
    size_t start = pos + key.size() + 1;
    size_t lf = body_.find('\n', start);
    value = body_.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
    return true;
}

bool Group::HasKey(std::string_view key) const {
    std::string_view ignored;
    return FindValue(key, ignored);
}

int32_t Group::FindNumber(std::string_view key, int32_t fallback) const {
    std::string_view value;
    return FindValue(key, value) ? AtoiLike(value) : fallback;
}

std::string Group::FindText(std::string_view key, std::string_view fallback) const {
    std::string_view value;
    return std::string(FindValue(key, value) ? value : fallback);
}

size_t Group::LineCount() const { return Index().LineCount(); }

// ---- GroupFile: reading ---------------------------------------------------

GroupFile GroupFile::LoadGroups(const std::string& path) {
    std::string contents;
    if (!ReadWholeFile(path, contents)) return GroupFile();
    return ParseGroups(std::move(contents));
}

GroupFile GroupFile::ParseGroups(std::string contents) {
    GroupFile file;
    file.storage_.push_back(std::make_unique<std::string>(std::move(contents)));
    std::string& text = *file.storage_.back();

    // One pass over the buffer: each line is moved left over the CRs of the
    // CR LF pairs before it (so bodies hold plain line feeds), and groups are
    // views into the compacted text. Nothing is copied per line.
    char* const base = text.data();
    const size_t size = text.size();
    size_t read = 0;
    size_t write = 0;

    bool haveGroup = false;  // lines before the first header make a group only if there are any
    std::string_view name;
    size_t bodyStart = 0;

    auto finishGroup = [&](size_t bodyEnd, bool always) {
        std::string_view body(base + bodyStart, bodyEnd - bodyStart);
        if (always || !name.empty() || !body.empty()) file.groups_.emplace_back(name, body);
    };

    while (read < size) {
        const char* lf = static_cast<const char*>(std::memchr(base + read, '\n', size - read));
        size_t lineEnd = lf ? static_cast<size_t>(lf - base) : size;  // excludes the line feed
        size_t contentEnd = lineEnd;
        if (lf && contentEnd > read && base[contentEnd - 1] == '\r') --contentEnd;  // CR LF is one line feed
        size_t length = contentEnd - read;
        if (write != read && length) std::memmove(base + write, base + read, length);
        size_t lineStart = write;
        write += length;
        if (lf) base[write++] = '\n';
        read = lf ? lineEnd + 1 : size;

        if (length && base[lineStart] == '[') {
            const void* close = std::memchr(base + lineStart + 1, ']', length - 1);
            if (close) {
                if (haveGroup) finishGroup(lineStart, true);
                haveGroup = true;
                name = std::string_view(base + lineStart + 1,
                                        static_cast<size_t>(static_cast<const char*>(close) - (base + lineStart + 1)));
                bodyStart = write;
                continue;
            }
        }
        haveGroup = true;
    }
    if (haveGroup) finishGroup(write, false);
    text.resize(write);  // shrinks in place: the views stay valid
    return file;
}

// ---- GroupFile: writing ---------------------------------------------------

void GroupFile::AppendGroup(std::string name, std::string body) {
    auto storedName = std::make_unique<std::string>(std::move(name));
    auto storedBody = std::make_unique<std::string>(std::move(body));
    groups_.emplace_back(*storedName, *storedBody);
    storage_.push_back(std::move(storedName));
    storage_.push_back(std::move(storedBody));
}

std::string GroupFile::ToText() const {
    size_t estimate = 0;
    for (const Group& g : groups_) estimate += g.Name().size() + g.Body().size() * 11 / 10 + 8;
    std::string out;
    out.reserve(estimate);
    for (const Group& g : groups_) {
        if (!g.Name().empty()) {
            out += '[';
            out += g.Name();
            out += "]\r\n";
        }
        std::string_view body = g.Body();
        size_t pos = 0;
        while (pos < body.size()) {
            size_t lf = body.find('\n', pos);
            if (lf == std::string_view::npos) {
                out += body.substr(pos);
                // A last line without a line feed still gets one, even when it
                // ends with a CR: otherwise the next header would be glued to
                // that line and its group would vanish on reading.
                out += "\r\n";
                break;
            }
            out += body.substr(pos, lf - pos);
            out += "\r\n";
            pos = lf + 1;
        }
    }
    return out;
}

bool GroupFile::SaveGroups(const std::string& path, std::string* error) const {
    return WriteFileAtomically(path, ToText(), error);
}
