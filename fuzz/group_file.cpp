// Parses arbitrary bytes as a group file, looks up keys in every group and
// checks that writing the groups and reading them back keeps names and keys.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "storage/GroupFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GroupFile file = GroupFile::ParseGroups(std::string(reinterpret_cast<const char*>(data), size));
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
