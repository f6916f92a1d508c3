#include "app/DrawingHistory.h"

#include "app/HistorySteps.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/ShapeLookup.h"
#include "shapes/Int32Wrap.h"
#include "ui/DrawingExposure.h"

#include <QUndoStack>

namespace {

// The view panel must not go on showing the editor of a shape that left the drawing.
void HideEditorOfRemovedShape() {
    cViewManager& views = *Program().ViewManager;
    if (views.Current() != 0 && FindShapeIndex(views.Current()) == 0)
        views.CloseView();
}

void Record(QUndoCommand* step) {
    Program().History->push(step); // does it, and owns it
    HideEditorOfRemovedShape();
    ReportDrawingChanged(Program().MainWindow, kDrawingAreaId);
}

// After undo or redo nothing is selected: the drawing as it is, and no editor.
void ShowUndone() {
    Program().ViewManager->CloseView();
    RedrawShapes();
    ReportDrawingChanged(Program().MainWindow, kDrawingAreaId);
}

} // namespace

void AddShape(std::shared_ptr<iShape> shape) {
    Record(new cInsertStep(Program().Shapes.COUNT() + 1, std::move(shape), "Add"));
    RedrawShapes();
}

void ClearShapes() {
    Record(new cReplaceStep({}, "Clear"));
    RedrawShapes();
}

void LoadShapes(LinkListCollection shapes) {
    Record(new cReplaceStep(std::move(shapes), "Load"));
}

void UpdateShape(std::int32_t position, const ShapeValues& values) {
    if (const auto& shape = Program().Shapes.ITEM(position))
        Record(new cValuesStep(position, shape->Values(), values, "Update"));
    ReportItemChanged(Program().MainWindow, kDrawingAreaId, position);
}

void RecordMove(std::int32_t position, const ShapeValues& before) {
    if (const auto& shape = Program().Shapes.ITEM(position))
        Record(new cValuesStep(position, before, shape->Values(), "Move"));
    ReportItemChanged(Program().MainWindow, kDrawingAreaId, position);
}

void NudgeShape(std::int32_t position, std::int32_t dx, std::int32_t dy, std::int32_t run) {
    const auto& shape = Program().Shapes.ITEM(position);
    if (!shape)
        return;
    ShapeValues after = shape->Values();
    after[0] = Add32(after[0], dx); // no range is checked: it wraps
    after[1] = Add32(after[1], dy);
    Record(new cValuesStep(position, shape->Values(), after, "Move", run));
    ReportItemChanged(Program().MainWindow, kDrawingAreaId, position);
}

void RecordResize(std::int32_t position, const ShapeValues& before) {
    if (const auto& shape = Program().Shapes.ITEM(position))
        Record(new cValuesStep(position, before, shape->Values(), "Resize"));
}

void DeleteShape(std::int32_t position) {
    Record(new cRemoveStep(position, "Delete"));
    RedrawShapes();
}

std::int32_t DuplicateShape(std::int32_t position) {
    const std::shared_ptr<iShape>& original = Program().Shapes.ITEM(position);
    if (!original)
        return 0;
    std::shared_ptr<iShape> copy = original->NewShape();
    ShapeValues values = original->Values();
    values[0] = Add32(values[0], 10); // no range is checked: it wraps
    values[1] = Add32(values[1], 10);
    copy->SetValues(values);
    Record(new cInsertStep(position, std::move(copy), "Duplicate"));
    RedrawShapes();
    return position;
}

void InsertShapes(const LinkListCollection& shapes) {
    Program().History->beginMacro("Paste");
    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i)
        Record(new cInsertStep(i, shapes.ITEM(i), "Paste"));
    Program().History->endMacro();
    RedrawShapes();
}

void BringToFront(std::int32_t position) {
    Record(new cReorderStep(position, 1, "Bring to Front"));
    RedrawShapes();
}

void SendToBack(std::int32_t position) {
    Record(new cReorderStep(position, Program().Shapes.COUNT(), "Send to Back"));
    RedrawShapes();
}

void UndoChange() {
    Program().History->undo();
    ShowUndone();
}

void RedoChange() {
    Program().History->redo();
    ShowUndone();
}

bool CanUndo() {
    return Program().History->canUndo();
}

bool CanRedo() {
    return Program().History->canRedo();
}
