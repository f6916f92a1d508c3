#include "app/HistorySteps.h"

#include "app/DrawingChanges.h"

cInsertStep::cInsertStep(std::int32_t position, std::shared_ptr<iShape> shape, const char* text)
    : cHistoryStep(text), position_(position), shape_(std::move(shape)) {}

void cInsertStep::redo() {
    InsertShape(position_, shape_);
}

void cInsertStep::undo() {
    RemoveShape(position_);
}

cPasteStep::cPasteStep(LinkListCollection shapes, const char* text)
    : cHistoryStep(text), shapes_(std::move(shapes)) {}

void cPasteStep::redo() {
    for (std::int32_t i = 1; i <= shapes_.COUNT(); ++i)
        InsertShape(i, shapes_.ITEM(i));
}

void cPasteStep::undo() {
    for (std::int32_t i = 1; i <= shapes_.COUNT(); ++i)
        RemoveShape(1);
}

std::size_t cPasteStep::Cost() const {
    return sizeof(*this) + kStepOverhead + static_cast<std::size_t>(shapes_.COUNT()) * kShapeCost;
}

cRemoveStep::cRemoveStep(std::int32_t position, const char* text)
    : cHistoryStep(text), position_(position) {}

void cRemoveStep::redo() {
    shape_ = RemoveShape(position_);
}

void cRemoveStep::undo() {
    InsertShape(position_, std::move(shape_));
}

cReplaceStep::cReplaceStep(LinkListCollection shapes, const char* text)
    : cHistoryStep(text), shapes_(std::move(shapes)) {}

void cReplaceStep::Swap() {
    shapes_ = ReplaceShapes(std::move(shapes_));
}

cValuesStep::cValuesStep(std::int32_t position, const ShapeValues& before, const ShapeValues& after,
                         const char* text, std::int32_t run)
    : cHistoryStep(text), position_(position), before_(before), after_(after), run_(run) {}

void cValuesStep::redo() {
    SetShapeValues(position_, after_);
}

void cValuesStep::undo() {
    SetShapeValues(position_, before_);
}

bool cValuesStep::MergeWith(const cHistoryStep& later) {
    const auto* next = dynamic_cast<const cValuesStep*>(&later);
    if (run_ == kNoRun || !next || next->run_ != run_ || next->position_ != position_)
        return false;
    after_ = next->after_;
    return true;
}

cReorderStep::cReorderStep(std::int32_t from, std::int32_t to, const char* text)
    : cHistoryStep(text), from_(from), to_(to) {}

void cReorderStep::redo() {
    MoveShapeTo(from_, to_);
}

void cReorderStep::undo() {
    MoveShapeTo(to_, from_);
}

std::size_t cInsertStep::Cost() const {
    return sizeof(*this) + kStepOverhead + kShapeCost;
}

std::size_t cRemoveStep::Cost() const {
    return sizeof(*this) + kStepOverhead + (shape_ ? kShapeCost : 0);
}

std::size_t cReplaceStep::Cost() const {
    return sizeof(*this) + kStepOverhead + static_cast<std::size_t>(shapes_.COUNT()) * kShapeCost;
}

std::size_t cValuesStep::Cost() const {
    return sizeof(*this) + kStepOverhead;
}

std::size_t cReorderStep::Cost() const {
    return sizeof(*this) + kStepOverhead;
}
