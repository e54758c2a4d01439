// Parses arbitrary bytes as a group file, looks up keys in every group and
// checks that writing the groups and reading them back keeps names and keys,
// and that the same bytes fed in pieces (of sizes the input picks) give the
// same groups as in one piece.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "storage/GroupFile.h"
#include "storage/GroupParser.h"

namespace {

std::string Describe(const Group& g) {
    std::string out(g.Name());
    out += '\0';
    out += g.Body();
    out += '\0';
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    GroupFile file = GroupFile::ParseGroups(std::string(bytes));
    std::string whole;
    for (const Group& g : file) whole += Describe(g);
    // Piece sizes from 1 to 16 taken from the input's own bytes, through a
    // buffer of a few bytes, so pieces end inside CR LF pairs and headers.
    std::string pieces;
    GroupParser parser([&](const Group& g) { pieces += Describe(g); }, 1 + (size ? data[0] % 8 : 0));
    for (size_t at = 0, k = 0; at < size; ++k) {
        const size_t n = std::min<size_t>(size - at, 1 + data[k % size] % 16);
        parser.Feed(bytes.substr(at, n));
        at += n;
    }
    parser.Finish();
    if (pieces != whole) abort();
    for (const Group& g : file) {
        std::string_view v;
        g.FindValue("NumMembers", v);
        g.FindValue("Name0", v);
        g.FindValue("a=b", v);
        g.FindValue("", v);
        (void)g.LineCount();
    }
    // A written file reads back to the same groups, except that a nameless
    // group has no header, so it joins the group written before it (or, when
    // nothing was written yet and it has lines, forms the nameless first group).
    GroupFile again = GroupFile::ParseGroups(file.ToText());
    std::vector<std::string_view> expected;
    for (const Group& g : file) {
        if (!g.Name().empty())
            expected.push_back(g.Name());
        else if (expected.empty() && !g.Body().empty())
            expected.push_back(g.Name());
    }
    if (again.Size() != expected.size()) abort();
    for (size_t i = 0; i < expected.size(); ++i)
        if (again.At(i).Name() != expected[i]) abort();
    // and that text is a fixed point
    if (GroupFile::ParseGroups(again.ToText()).ToText() != again.ToText()) abort();
    return 0;
}
