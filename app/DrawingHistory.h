#pragma once

#include "shapes/LinkListCollection.h"
#include "shapes/ShapeValues.h"

#include <cstdint>
#include <memory>

// Every change a user makes to the drawing, each one step of its history, which can be
// undone and redone while the history's budget keeps it; a change that changes nothing
// is no step. These are the only callers of the changes in app/DrawingChanges.

// Appends the shape beneath the others and repaints.
void AddShape(std::shared_ptr<iShape> shape);
// Empties the drawing and repaints.
void ClearShapes();
// Puts loaded shapes in place of the drawing, without repainting.
void LoadShapes(LinkListCollection shapes);
// Stores new values into the shape at that position, without repainting.
void UpdateShape(std::int32_t position, const ShapeValues& values);
// Records a move that has been shown already: the shape at position went from before to
// its values now.
void RecordMove(std::int32_t position, const ShapeValues& before);
// The same for a resize by dragging the outline.
void RecordResize(std::int32_t position, const ShapeValues& before);
// Moves the shape at that position by (dx, dy), without repainting. Moves of the same
// shape in one run (a number the caller keeps) are one step.
void NudgeShape(std::int32_t position, std::int32_t dx, std::int32_t dy, std::int32_t run);
// The context menu's changes, each followed by a repaint.
void DeleteShape(std::int32_t position);
// A copy moved by (+10, +10) directly above the original; its position.
std::int32_t DuplicateShape(std::int32_t position);
// Puts the shapes on top of the drawing, the first on top, as one step.
void InsertShapes(const LinkListCollection& shapes);
void BringToFront(std::int32_t position);
void SendToBack(std::int32_t position);

// Undo and redo: the drawing is repainted without a highlight, the view panel emptied.
void UndoChange();
void RedoChange();
bool CanUndo();
bool CanRedo();
