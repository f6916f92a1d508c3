#pragma once

#include "app/HistoryStep.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

// The drawing's history: the steps done, then those undone that can be redone. It holds
// at most its budget of memory: a new step first drops the steps it replaces (those
// undone), then the oldest steps until the rest fit, itself included if need be.
class cStepHistory {
  public:
    static constexpr std::size_t kDefaultBudget = std::size_t{256} << 20;

    explicit cStepHistory(std::size_t budget = kDefaultBudget) : budget_(budget) {}

    // Does the step and keeps it.
    void push(cHistoryStep* step);
    void undo();
    void redo();
    // Undoes or redoes until that many steps are done.
    void setIndex(std::int32_t index);
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    std::int32_t count() const { return static_cast<std::int32_t>(steps_.size()); }
    // How many steps are done.
    std::int32_t index() const { return static_cast<std::int32_t>(done_); }
    void clear();
    // The bytes the steps hold.
    std::size_t Cost() const { return cost_; }

  private:
    struct Kept {
        std::unique_ptr<cHistoryStep> step;
        std::size_t cost;
    };
    void DropUndone();
    void DropOldestBeyondBudget();

    std::deque<Kept> steps_;
    std::size_t done_ = 0;
    std::size_t cost_ = 0;
    std::size_t budget_;
};
