#include "app/DrawingAreaKeys.h"

#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/Selection.h"
#include "app/ShapeLookup.h"
#include "shapes/cShapeEditDialog.h"
#include "text/NumberText.h"
#include "ui/DialogService.h"
#include "ui/DrawingExposure.h"
#include "ui/GraphicKeys.h"

namespace {

constexpr std::int32_t kNudge = 1;
constexpr std::int32_t kShiftNudge = 10;

} // namespace

void cDrawingAreaKeys::OnKey(WindowHandle dialog) {
    const std::uint32_t key = GraphicLastKey(dialog, kDrawingAreaId);
    if ((key & ~kKeyShift) < kKeyLeft || (key & ~kKeyShift) > kKeyDown)
        EndRun();
    const std::int32_t step = (key & kKeyShift) ? kShiftNudge : kNudge;
    const std::int32_t selected = SelectedShape();
    if ((key & ~kKeyShift) == kKeyTab)
        return Step(dialog, selected, !(key & kKeyShift));
    if (selected == 0)
        return;
    switch (key & ~kKeyShift) {
    case kKeyLeft:
        return Nudge(dialog, selected, -step, 0);
    case kKeyRight:
        return Nudge(dialog, selected, step, 0);
    case kKeyUp:
        return Nudge(dialog, selected, 0, -step);
    case kKeyDown:
        return Nudge(dialog, selected, 0, step);
    case kKeyDelete:
        return DeleteShape(selected);
    case kKeyEscape:
        return Deselect();
    case kKeyEnter:
    case kKeyF2: // into the editor, as a click leaves it: X box focused, its text selected
        return Program().Shapes.ITEM(selected)->Edit(host_);
    default:
        return;
    }
}

// Selecting from the keyboard leaves the focus in the drawing area.
void cDrawingAreaKeys::Step(WindowHandle dialog, std::int32_t selected, bool forward) {
    const std::int32_t count = Program().Shapes.COUNT();
    const std::int32_t next = forward ? selected + 1 : (selected == 0 ? count : selected - 1);
    if (next < 1 || next > count)
        return GraphicFocusOnward(dialog, kDrawingAreaId, forward);
    SelectShape(dialog, next, host_);
    FocusControl(dialog, kDrawingAreaId);
    ReportItemSelected(dialog, kDrawingAreaId, next);
}

void cDrawingAreaKeys::Nudge(WindowHandle, std::int32_t selected, std::int32_t dx,
                             std::int32_t dy) {
    NudgeShape(selected, dx, dy, run_);
    const auto& shape = Program().Shapes.ITEM(selected);
    RedrawSelected(*shape);
    // The editor shows the new position at once.
    const WindowHandle editor = Program().ViewManager->Current();
    const ShapeValues values = shape->Values();
    SetText(GetControl(editor, cShapeEditDialog::kFirstBoxId), FormatNumber(values[0], "0"));
    SetText(GetControl(editor, cShapeEditDialog::kFirstBoxId + 1), FormatNumber(values[1], "0"));
}

// The drawing as it is, without a highlight or an editor; nothing to undo.
void cDrawingAreaKeys::Deselect() {
    Program().ViewManager->CloseView();
    RedrawShapes();
}
