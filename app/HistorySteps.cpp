#include "app/HistorySteps.h"

#include "app/DrawingChanges.h"

cInsertStep::cInsertStep(std::int32_t position, std::shared_ptr<iShape> shape, const QString& text)
    : QUndoCommand(text), position_(position), shape_(std::move(shape)) {}

void cInsertStep::redo() {
    InsertShape(position_, shape_);
}

void cInsertStep::undo() {
    RemoveShape(position_);
}

cRemoveStep::cRemoveStep(std::int32_t position, const QString& text)
    : QUndoCommand(text), position_(position) {}

void cRemoveStep::redo() {
    shape_ = RemoveShape(position_);
}

void cRemoveStep::undo() {
    InsertShape(position_, std::move(shape_));
}

cReplaceStep::cReplaceStep(LinkListCollection shapes, const QString& text)
    : QUndoCommand(text), shapes_(std::move(shapes)) {}

void cReplaceStep::Swap() {
    shapes_ = ReplaceShapes(std::move(shapes_));
}

cValuesStep::cValuesStep(std::int32_t position, const ShapeValues& before, const ShapeValues& after,
                         const QString& text, std::int32_t run)
    : QUndoCommand(text), position_(position), before_(before), after_(after), run_(run) {}

void cValuesStep::redo() {
    SetShapeValues(position_, after_);
}

void cValuesStep::undo() {
    SetShapeValues(position_, before_);
}

int cValuesStep::id() const {
    constexpr int kRunOfValues = 1; // the history merges only steps with an id
    return run_ == kNoRun ? -1 : kRunOfValues;
}

bool cValuesStep::mergeWith(const QUndoCommand* other) {
    const auto* later = dynamic_cast<const cValuesStep*>(other);
    if (!later || later->run_ != run_ || later->position_ != position_)
        return false;
    after_ = later->after_;
    return true;
}

cReorderStep::cReorderStep(std::int32_t from, std::int32_t to, const QString& text)
    : QUndoCommand(text), from_(from), to_(to) {}

void cReorderStep::redo() {
    MoveShapeTo(from_, to_);
}

void cReorderStep::undo() {
    MoveShapeTo(to_, from_);
}
