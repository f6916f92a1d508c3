#include "app/DrawingCommands.h"

#include "app/DrawingChanges.h"

cInsertCommand::cInsertCommand(std::int32_t position, std::shared_ptr<iShape> shape,
                               const QString& text)
    : QUndoCommand(text), position_(position), shape_(std::move(shape)) {}

void cInsertCommand::redo() {
    InsertShape(position_, shape_);
}

void cInsertCommand::undo() {
    RemoveShape(position_);
}

cRemoveCommand::cRemoveCommand(std::int32_t position, const QString& text)
    : QUndoCommand(text), position_(position) {}

void cRemoveCommand::redo() {
    shape_ = RemoveShape(position_);
}

void cRemoveCommand::undo() {
    InsertShape(position_, std::move(shape_));
}

cReplaceCommand::cReplaceCommand(LinkListCollection shapes, const QString& text)
    : QUndoCommand(text), shapes_(std::move(shapes)) {}

void cReplaceCommand::Swap() {
    shapes_ = ReplaceShapes(std::move(shapes_));
}

cValuesCommand::cValuesCommand(std::int32_t position, const ShapeValues& before,
                               const ShapeValues& after, const QString& text)
    : QUndoCommand(text), position_(position), before_(before), after_(after) {}

void cValuesCommand::redo() {
    SetShapeValues(position_, after_);
}

void cValuesCommand::undo() {
    SetShapeValues(position_, before_);
}

cReorderCommand::cReorderCommand(std::int32_t from, std::int32_t to, const QString& text)
    : QUndoCommand(text), from_(from), to_(to) {}

void cReorderCommand::redo() {
    MoveShapeTo(from_, to_);
}

void cReorderCommand::undo() {
    MoveShapeTo(to_, from_);
}
