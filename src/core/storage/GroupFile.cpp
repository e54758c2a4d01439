#include "storage/GroupFile.h"

#include <cstring>

#include "base/FileIO.h"
#include "base/Text.h"
#include "storage/GroupParser.h"

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
    // The parser works on the text in place and hands out views into it; they
    // are kept as offsets until the text has its final home.
    struct Span {
        size_t nameStart, nameLength, bodyStart, bodyLength;
    };
    std::vector<Span> spans;
    const char* base = nullptr;
    GroupParser parser([&](const Group& g) {
        const size_t nameStart = g.Name().empty() ? 0 : static_cast<size_t>(g.Name().data() - base);
        spans.push_back({nameStart, g.Name().size(), static_cast<size_t>(g.Body().data() - base), g.Body().size()});
    });
    parser.Adopt(std::move(contents));
    base = parser.Data();
    parser.Finish();

    GroupFile file;
    file.storage_.push_back(std::make_unique<std::string>(parser.Release()));
    const char* text = file.storage_.back()->data();
    file.groups_.reserve(spans.size());
    for (const Span& s : spans)
        file.groups_.emplace_back(std::string_view(text + s.nameStart, s.nameLength),
                                  std::string_view(text + s.bodyStart, s.bodyLength));
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
