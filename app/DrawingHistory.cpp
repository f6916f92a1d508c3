#include "app/DrawingHistory.h"

#include "app/HistorySteps.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/ShapeLookup.h"
#include "shapes/Int32Wrap.h"
#include "ui/DialogService.h"
#include "ui/DrawingExposure.h"

namespace {

// The editor of a shape that left the drawing goes: the history may keep the shape for
// long, and its next Edit builds the editor again as the first one did.
void CloseEditorsOfRemovedShapes() {
    cViewManager& views = *Program().ViewManager;
    auto inDrawing = [](WindowHandle editor) {
        return Program().Index->Contains(GetUserValue(editor, 0));
    };
    if (views.Current() != 0 && !inDrawing(views.Current()))
        views.CloseView();
    for (const WindowHandle editor : ChildDialogs(views.GetContainer())) {
        if (!inDrawing(editor))
            CloseDialog(editor, 0);
    }
}

void Record(cHistoryStep* step) {
    Program().History->push(step); // does it, and owns it
    CloseEditorsOfRemovedShapes();
    ReportDrawingChanged(Program().MainWindow, kDrawingAreaId);
}

// After undo or redo nothing is selected: the drawing as it is, and no editor.
void ShowUndone() {
    CloseEditorsOfRemovedShapes();
    Program().ViewManager->CloseView();
    RedrawShapes();
    ReportDrawingChanged(Program().MainWindow, kDrawingAreaId);
}

// A step that changes the shape's values, unless they stay as they are; a screen reader
// hears the shape's new name either way.
void RecordValues(std::int32_t position, const ShapeValues& before, const ShapeValues& after,
                  const char* text, std::int32_t run = cValuesStep::kNoRun) {
    if (before != after)
        Record(new cValuesStep(position, before, after, text, run));
    ReportItemChanged(Program().MainWindow, kDrawingAreaId, position);
}

bool InDrawing(std::int32_t position) {
    return position >= 1 && position <= Program().Shapes.COUNT();
}

} // namespace

void AddShape(std::shared_ptr<iShape> shape) {
    Record(new cInsertStep(Program().Shapes.COUNT() + 1, std::move(shape), "Add"));
    RedrawShapes();
}

void ClearShapes() {
    if (Program().Shapes.COUNT() > 0)
        Record(new cReplaceStep({}, "Clear"));
    RedrawShapes();
}

void LoadShapes(LinkListCollection shapes) {
    Record(new cReplaceStep(std::move(shapes), "Load"));
}

void UpdateShape(std::int32_t position, const ShapeValues& values) {
    if (const auto& shape = Program().Shapes.ITEM(position))
        RecordValues(position, shape->Values(), values, "Update");
}

void RecordMove(std::int32_t position, const ShapeValues& before) {
    if (const auto& shape = Program().Shapes.ITEM(position))
        RecordValues(position, before, shape->Values(), "Move");
}

void NudgeShape(std::int32_t position, std::int32_t dx, std::int32_t dy, std::int32_t run) {
    const auto& shape = Program().Shapes.ITEM(position);
    if (!shape)
        return;
    ShapeValues after = shape->Values();
    after[0] = Add32(after[0], dx); // no range is checked: it wraps
    after[1] = Add32(after[1], dy);
    RecordValues(position, shape->Values(), after, "Move", run);
}

void RecordResize(std::int32_t position, const ShapeValues& before) {
    if (const auto& shape = Program().Shapes.ITEM(position))
        RecordValues(position, before, shape->Values(), "Resize");
}

void DeleteShape(std::int32_t position) {
    if (InDrawing(position))
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
    if (shapes.COUNT() > 0)
        Record(new cPasteStep(shapes, "Paste"));
    RedrawShapes();
}

void BringToFront(std::int32_t position) {
    if (InDrawing(position) && position != 1)
        Record(new cReorderStep(position, 1, "Bring to Front"));
    RedrawShapes();
}

void SendToBack(std::int32_t position) {
    if (InDrawing(position) && position != Program().Shapes.COUNT())
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
