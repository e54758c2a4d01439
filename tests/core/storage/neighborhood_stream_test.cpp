// Saving and loading neighborhoods larger than the pieces the file is
// written and read in.
#include <string>
#include <vector>

#include "NeighborhoodFixture.h"

namespace {

// A few hundred small families, then one family whose members alone take
// more than a megabyte in the file, every Sim with friends and chemistry in
// other families, some partners and parents.
void BuildLargeNeighborhood(Hood& h) {
    std::vector<Sim*> sims;
    for (int f = 0; f < 300; ++f) {
        Family* family = h.AddFamily("Small" + std::to_string(f));
        for (int j = 0; j < 4; ++j) sims.push_back(h.AddSim(family, "S" + std::to_string(j), 1 << (j % 11), j % 2));
    }
    Family* big = h.AddFamily("Big");
    for (int i = 0; i < 4000; ++i) sims.push_back(h.AddSim(big, "M" + std::to_string(i), 64, i % 3 == 0));
    const size_t n = sims.size();
    // Links set directly and counted once: adding them one by one recounts a
    // family each time, which is slow for a family this large.
    for (size_t k = 0; k < n; ++k) {
        for (size_t step : {size_t{1}, size_t{7}, size_t{4001}}) sims[k]->friendIds.push_back(sims[(k + step) % n]->id);
        sims[k]->chemistry.Append(sims[(k * 13 + 5) % n]->id, int32_t(k % 4));
    }
    for (size_t k = 0; k + 1 < n; k += 50) sims[k]->SetPartner(h.registry, 1, sims[k + 1]->id);
    for (size_t k = 10; k < n; k += 31) sims[k]->mom.SetSim(sims[k - 10]->id);
    h.registry.RecountAllFamilies();
}

// Everything a failed import must leave as it was, ids included.
std::string State(const Hood& h) {
    std::string ids;
    for (const Sim* sim : h.registry.allSims) ids += std::to_string(sim->id) + " ";
    for (const Family* family : h.registry.families) ids += std::to_string(family->id) + " ";
    return h.Describe() + ids + "\ncounters " + std::to_string(h.counters.simCounter) + " " +
           std::to_string(h.counters.familyCounter) + " modified " + std::to_string(h.registry.modified) +
           " version " + h.file.FileCareerVersion();
}

class NeighborhoodStreamTest : public TempDirTest {
protected:
    void TearDown() override {
        SetReadFaultHook(nullptr);
        TempDirTest::TearDown();
    }
    size_t FilesInSaved() const {
        return size_t(std::distance(std::filesystem::directory_iterator(dir / "Saved"),
                                    std::filesystem::directory_iterator()));
    }
};

TEST_F(NeighborhoodStreamTest, StreamedSaveIsTheTextByteForByteAndReadsBackInAnyPieces) {
    Hood h(dir.string());
    BuildLargeNeighborhood(h);
    const std::string text = h.file.WriteToText();
    ASSERT_GT(text.size(), 5u << 18) << "the fixture must span more than one flush";

    int writes = 0;
    SetWriteFaultHook([&](WriteStep step) {
        writes += step == WriteStep::Write;
        return false;
    });
    ASSERT_TRUE(h.file.Write("Large"));
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(Slurp(dir / "Saved" / "Large.NBD"), text);
    EXPECT_GE(writes, 2) << "written in pieces, not built whole first";

    Hood fromText;
    ASSERT_TRUE(fromText.file.ReadFromText(text));
    const std::string expected = fromText.Describe();
    EXPECT_EQ(expected, h.Describe());
    for (size_t chunk : {size_t{1000}, size_t{65536}, kGroupChunkSize}) {
        Hood back(dir.string());
        ASSERT_TRUE(back.file.Read("Large", chunk)) << chunk;
        EXPECT_EQ(back.Describe(), expected) << "pieces of " << chunk;
        EXPECT_TRUE(back.prompter.messages.empty());
    }
}

struct WriteFault {
    WriteStep step;
    int occurrence;  // the how-many-th time the step is taken fails
};

TEST_F(NeighborhoodStreamTest, FailedStreamedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
    Hood h(dir.string());
    h.AddSim(h.AddFamily("Lee"), "Ann");
    ASSERT_TRUE(h.file.Write("Mine"));
    const std::string old = Slurp(dir / "Saved" / "Mine.NBD");
    BuildLargeNeighborhood(h);

    // The second write fails after the first piece has landed in the
    // temporary file.
    for (WriteFault fault : {WriteFault{WriteStep::Open, 1}, WriteFault{WriteStep::Write, 1},
                             WriteFault{WriteStep::Write, 2}, WriteFault{WriteStep::Sync, 1},
                             WriteFault{WriteStep::Rename, 1}}) {
        int seen = 0;
        SetWriteFaultHook([&](WriteStep step) { return step == fault.step && ++seen == fault.occurrence; });
        EXPECT_FALSE(h.file.Write("Mine"));
        EXPECT_EQ(seen, fault.occurrence) << "the step was reached";
        EXPECT_FALSE(h.file.LastError().empty());
        EXPECT_EQ(Slurp(dir / "Saved" / "Mine.NBD"), old);
        EXPECT_EQ(FilesInSaved(), 1u) << "temporary file left behind";
    }
    SetWriteFaultHook(nullptr);
    ASSERT_TRUE(h.file.Write("Mine"));
    EXPECT_EQ(Slurp(dir / "Saved" / "Mine.NBD"), h.file.WriteToText());
}

TEST_F(NeighborhoodStreamTest, ReadFailingPartWayLeavesTheNeighborhoodAsItWas) {
    {
        Hood large(dir.string());
        BuildLargeNeighborhood(large);
        ASSERT_TRUE(large.file.Write("Large"));
    }
    constexpr size_t kChunk = 64 * 1024;
    int reads = 0;  // of a whole read, the last one finding the end
    {
        Hood counting(dir.string());
        SetReadFaultHook([&](ReadStep step) {
            reads += step == ReadStep::Read;
            return false;
        });
        ASSERT_TRUE(counting.file.Read("Large", kChunk));
        SetReadFaultHook(nullptr);
    }
    ASSERT_GT(reads, 10);

    Hood h(dir.string());
    ASSERT_TRUE(h.file.ReadFromText(
        "[settings]\nCareerVers=1.0\n"
        "[Lee]\nNumMembers=2\nName0=Ann\nStatus0=1\nMatch0=Bob Lee\nName1=Bob\nFriendCount1=1\nF10=Ann Lee\n"));
    h.registry.modified = false;
    const std::string before = State(h);

    // Failing at the first read, part way and at the very end (when every
    // family but the last has been read).
    for (int failAt : {1, reads / 2, reads}) {
        int seen = 0;
        SetReadFaultHook([&](ReadStep step) { return step == ReadStep::Read && ++seen == failAt; });
        EXPECT_FALSE(h.file.Read("Large", kChunk)) << "failing read " << failAt;
        EXPECT_EQ(seen, failAt);
        EXPECT_EQ(State(h), before) << "failing read " << failAt;
    }
    SetReadFaultHook([](ReadStep step) { return step == ReadStep::Open; });
    EXPECT_FALSE(h.file.Read("Large", kChunk));
    EXPECT_EQ(State(h), before);
    SetReadFaultHook(nullptr);

    // and the import then works as if nothing had been tried
    const int32_t nextSimId = h.counters.simCounter + 1;
    ASSERT_TRUE(h.file.Read("Large", kChunk));
    EXPECT_EQ(h.registry.families.Count(), 302u);
    EXPECT_EQ(h.registry.FindSimIdByName("S0 Small0"), nextSimId);
}

TEST_F(NeighborhoodStreamTest, FilesWithoutGroupsChangeNothing) {
    Hood h(dir.string());
    ASSERT_TRUE(h.file.ReadFromText("[settings]\nCareerVers=2.0\n[Lee]\nNumMembers=1\nName0=Ann\n"));
    const std::string before = State(h);
    const std::string empty = (dir / "Saved" / "Empty.NBD").string();
    ASSERT_TRUE(WriteFileAtomically(empty, ""));
    for (const std::string& path : {empty, (dir / "Saved" / "Missing.NBD").string(), (dir / "Saved").string()}) {
        EXPECT_FALSE(h.file.ReadFile(path)) << path;
        EXPECT_EQ(State(h), before) << path;
    }
}

}  // namespace
