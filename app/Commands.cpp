#include "app/Commands.h"

#include "app/DrawingChanges.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "ui/DialogService.h"
#include "ui/Prompts.h"

std::int32_t OnShapeButton(WindowHandle, std::uint32_t, std::uint32_t wParam, std::int32_t) {
    const std::int32_t position = static_cast<std::int32_t>(wParam & 0xFFFF) - kShapeButtonBase;
    if (position < 1 || position > Program().ShapeTypes.COUNT()) {
        ShowMessage("Invalid button!", kMessageOk, "");
        return 0;
    }
    AddShape(Program().ShapeTypes.ITEM(position)->NewShape());
    return 0;
}

std::int32_t OnClear(WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) {
    ClearShapes();
    return 0;
}

std::int32_t OnDrawingArea(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                           std::int32_t) {
    if (message != Message::Command || (wParam >> 16) != Notification::Clicked)
        return 0;
    // The drawing area sits at the window's client origin; its border is not subtracted.
    const ClientPoint point = GetCursorClientPos(dialog);
    const std::int32_t hit = FindShapeAt(Program().Shapes, point.x, point.y);
    if (hit == 0)
        return 0; // nothing is repainted: an earlier highlight stays
    const std::shared_ptr<iShape> shape = Program().Shapes.ITEM(hit); // kept while it is edited
    RedrawShapes();
    DrawHighlighted(dialog, kDrawingAreaId, *shape);
    shape->Edit();
    return 0;
}
