// The undo and redo steps of a design: whole states in the layout's text form, each with the
// names of the controls selected and locked at the time.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

struct TDesignState {
    std::string Text;
    std::vector<std::string> Selection;  // names, in selection order; "" stands for the surface
    std::vector<std::pair<std::string, uint16_t>> Locks;
};

class TDesignHistory {
public:
    static constexpr size_t kDefaultDepth = 200;
    // Past this many bytes of snapshots the oldest steps go, down to kKeptDepth steps.
    static constexpr size_t kByteBudget = 32u << 20;
    static constexpr size_t kKeptDepth = 100;

    explicit TDesignHistory(size_t depth = kDefaultDepth) : depth_(depth) {}

    // Forgets every step; state is what the design shows now.
    void Reset(TDesignState state);
    const TDesignState& Current() const { return current_; }
    // The selection changed without a change of the design.
    void SetCurrentSelection(std::vector<std::string> selection);

    // The design changed to state. A change with the same non-empty merge key as the one
    // before (a held arrow key) joins that step instead of making a new one.
    void Record(TDesignState state, const std::string& mergeKey = {});
    // Ends the joining of steps: the next change is a step of its own.
    void Seal() { mergeKey_.clear(); }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // Steps back or forward; the state to show then (its selection is the one before the
    // undone change, or after the redone one).
    const TDesignState& Undo();
    const TDesignState& Redo();

private:
    size_t depth_;
    TDesignState current_;
    // What the design looked like before the step, with the selection of that moment.
    std::deque<TDesignState> undo_;
    size_t undoBytes_ = 0;
    std::vector<TDesignState> redo_;
    std::string mergeKey_;
};
