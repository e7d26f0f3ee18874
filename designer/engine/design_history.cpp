#include "design_history.h"

void TDesignHistory::Reset(TDesignState state) {
    current_ = std::move(state);
    undo_.clear();
    undoBytes_ = 0;
    redo_.clear();
    mergeKey_.clear();
}

void TDesignHistory::SetCurrentSelection(std::vector<std::string> selection) {
    current_.Selection = std::move(selection);
    Seal();
}

void TDesignHistory::Record(TDesignState state, const std::string& mergeKey) {
    const bool merge = !mergeKey.empty() && mergeKey == mergeKey_ && !undo_.empty();
    if (!merge) {
        undoBytes_ += current_.Text.size();
        undo_.push_back(std::move(current_));
        while (undo_.size() > depth_ || (undoBytes_ > kByteBudget && undo_.size() > kKeptDepth)) {
            undoBytes_ -= undo_.front().Text.size();
            undo_.pop_front();
        }
    }
    current_ = std::move(state);
    redo_.clear();
    mergeKey_ = mergeKey;
}

const TDesignState& TDesignHistory::Undo() {
    if (undo_.empty()) return current_;
    redo_.push_back(std::move(current_));
    current_ = std::move(undo_.back());
    undoBytes_ -= current_.Text.size();
    undo_.pop_back();
    mergeKey_.clear();
    return current_;
}

const TDesignState& TDesignHistory::Redo() {
    if (redo_.empty()) return current_;
    undoBytes_ += current_.Text.size();
    undo_.push_back(std::move(current_));
    current_ = std::move(redo_.back());
    redo_.pop_back();
    mergeKey_.clear();
    return current_;
}
