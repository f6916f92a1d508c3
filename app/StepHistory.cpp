#include "app/StepHistory.h"

#include <algorithm>

void cStepHistory::push(cHistoryStep* step) {
    std::unique_ptr<cHistoryStep> owned(step);
    DropUndone();
    owned->redo();
    if (done_ > 0 && steps_.back().step->MergeWith(*owned))
        return;
    const std::size_t cost = owned->Cost();
    steps_.push_back({std::move(owned), cost});
    cost_ += cost;
    ++done_;
    DropOldestBeyondBudget();
}

void cStepHistory::undo() {
    if (canUndo())
        steps_[--done_].step->undo();
}

void cStepHistory::redo() {
    if (canRedo())
        steps_[done_++].step->redo();
}

void cStepHistory::setIndex(std::int32_t index) {
    while (done_ > static_cast<std::size_t>(std::max(index, 0)))
        undo();
    while (done_ < static_cast<std::size_t>(index) && canRedo())
        redo();
}

void cStepHistory::clear() {
    std::deque<Kept> dropped;
    dropped.swap(steps_);
    done_ = 0;
    cost_ = 0;
}

void cStepHistory::DropUndone() {
    while (steps_.size() > done_) {
        cost_ -= steps_.back().cost;
        steps_.pop_back();
    }
}

// Only done steps are dropped here (push drops the undone ones first), so the drawing
// needs none of them: what is dropped is only the way back.
void cStepHistory::DropOldestBeyondBudget() {
    while (cost_ > budget_ && !steps_.empty()) {
        cost_ -= steps_.front().cost;
        steps_.pop_front();
        --done_;
    }
}
