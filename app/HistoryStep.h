#pragma once

#include <cstddef>

// One step of the drawing's history: it does one change and takes it back. A step names
// itself with a literal that every step of its kind shares, and tells what it costs, so
// that the history can keep to its budget.
class cHistoryStep {
  public:
    explicit cHistoryStep(const char* text) : text_(text) {}
    virtual ~cHistoryStep() = default;
    cHistoryStep(const cHistoryStep&) = delete;
    cHistoryStep& operator=(const cHistoryStep&) = delete;

    virtual void redo() = 0;
    virtual void undo() = 0;
    // The bytes the step holds while it is done, the shapes only it may keep included.
    virtual std::size_t Cost() const = 0;
    // Takes in a later step that was just done, when the two are one to the user (a run of
    // arrow-key moves); the later step is then dropped.
    virtual bool MergeWith(const cHistoryStep&) { return false; }
    const char* Text() const { return text_; }

  private:
    const char* text_;
};

// What a shape costs wherever it is kept: the object with its shared control block and
// the list slot that holds it: the benchmark measures about 85 bytes.
constexpr std::size_t kShapeCost = 96;
// What the heap adds to every allocation, and a step's place in the history.
constexpr std::size_t kStepOverhead = 32;
