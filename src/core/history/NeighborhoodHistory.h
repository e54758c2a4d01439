#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "history/RecordImage.h"
#include "model/ChangeJournal.h"

class SimRegistry;

/// The undo history of one neighborhood. Each change the user makes is one
/// named step; the history keeps, for each Sim and family the step touched,
/// what it was before and after, so that undoing and redoing cost what the
/// step changed and not the size of the neighborhood.
///
/// A step is recorded between Begin and End. The history is the registry's
/// journal while it lives: the registry and the records' operations tell it
/// of each record before it changes, and the first word about a record takes
/// its "before" image. End takes the "after" images, drops records that came
/// back as they were, and keeps the step only if something is left.
///
/// The history also knows which step the last save wrote, so the owner can
/// show whether the neighborhood differs from its file.
class NeighborhoodHistory : public ChangeJournal {
public:
    static constexpr size_t kDefaultLimit = 100;

    explicit NeighborhoodHistory(SimRegistry& registry, size_t limit = kDefaultLimit);
    ~NeighborhoodHistory() override;
    NeighborhoodHistory(const NeighborhoodHistory&) = delete;
    NeighborhoodHistory& operator=(const NeighborhoodHistory&) = delete;

    /// Starts recording a step. Steps begun inside a step belong to it; only
    /// the outermost name counts.
    void Begin(const std::string& name);
    /// Ends the step begun last. True when the outermost step changed
    /// something and was kept (the redo steps are then gone).
    bool End();
    bool IsRecording() const { return depth_ > 0; }
    /// Names the step being recorded (once it is known what it did).
    void NameStep(const std::string& name) {
        if (depth_ > 0) open_.name = name;
    }

    bool CanUndo() const { return applied_ > 0; }
    bool CanRedo() const { return applied_ < steps_.size(); }
    /// The name of the step Undo / Redo would take; empty when none.
    std::string UndoName() const;
    std::string RedoName() const;
    /// Puts back every record the last applied step touched as it was before
    /// it (Redo: after it). False when there is nothing to undo (redo) or a
    /// step is being recorded.
    bool Undo();
    bool Redo();

    /// Forgets every step (a new, loaded or imported-into neighborhood starts
    /// afresh); the neighborhood as it is counts as saved.
    void Clear();
    /// The neighborhood as it is now is what its file holds.
    void MarkSaved() { savedAt_ = static_cast<long>(applied_); }
    /// The state reached by the steps now applied is the one last saved.
    bool IsAtSavedState() const { return savedAt_ == static_cast<long>(applied_); }

    size_t StepCount() const { return steps_.size(); }
    size_t Limit() const { return limit_; }
    /// Roughly the memory the kept steps hold.
    size_t Bytes() const;

    // ChangeJournal
    bool Recording() const override { return depth_ > 0 && !applying_; }
    void WillChange(const Sim& sim) override;
    void WillChange(const Family& family) override;
    void Added(const Sim& sim) override;
    void Added(const Family& family) override;
    void WillRemove(const Sim& sim) override;
    void WillRemove(const Family& family) override;
    void WillReorderFamilies() override;

private:
    struct SimChange {
        SimImage before;
        SimImage after;
        bool removed = false;  // the Sim is gone: `after` is final
    };
    struct FamilyChange {
        FamilyImage before;
        FamilyImage after;
        bool removed = false;
    };
    struct Step {
        std::string name;
        std::vector<SimChange> sims;
        std::vector<FamilyChange> families;
        bool reordered = false;
        std::vector<int32_t> orderBefore;
        std::vector<int32_t> orderAfter;
        size_t bytes = 0;
        // While recording: the families added (place -1) and removed (their
        // place then), in order, so that a sort later in the step can tell the
        // order the step started from.
        std::vector<std::pair<int32_t, long>> familyEvents;
    };

    void Apply(const Step& step, bool forward);
    size_t SimSlot(const Sim& sim);
    size_t FamilySlot(const Family& family);

    SimRegistry& registry_;
    size_t limit_;
    std::deque<Step> steps_;
    size_t applied_ = 0;  // steps_[0 .. applied_) are in effect
    long savedAt_ = 0;    // -1: the saved state cannot be reached any more
    int depth_ = 0;
    bool applying_ = false;
    Step open_;
    // The records of the open step that are still in the neighborhood, by address.
    std::unordered_map<const Sim*, size_t> openSims_;
    std::unordered_map<const Family*, size_t> openFamilies_;
};

/// Records one step for as long as it lives: Begin on construction, End on
/// destruction (or at Finish), so a command that returns early still ends it.
class HistoryStep {
public:
    HistoryStep(NeighborhoodHistory* history, const std::string& name) : history_(history) {
        if (history_) history_->Begin(name);
    }
    ~HistoryStep() { Finish(); }
    HistoryStep(const HistoryStep&) = delete;
    HistoryStep& operator=(const HistoryStep&) = delete;
    /// Ends the step now; true when it changed something.
    bool Finish() {
        if (!history_) return false;
        NeighborhoodHistory* history = history_;
        history_ = nullptr;
        return history->End();
    }

private:
    NeighborhoodHistory* history_;
};
