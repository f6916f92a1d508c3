#include "app/DrawingAreaInput.h"

#include "app/OutlineGrab.h"
#include "app/ProgramState.h"
#include "app/Selection.h"
#include "app/ShapeLookup.h"
#include "app/ShapeMenu.h"
#include "ui/DialogService.h"
#include "ui/GraphicKeys.h"

namespace {

// A resize pointer on the selected shape's outline, unless another shape lies on top there.
PointerShape LookAt(ClientPoint at) {
    const std::int32_t selected = SelectedShape();
    const std::shared_ptr<iShape> shape = Program().Shapes.ITEM(selected);
    if (!shape)
        return PointerShape::Ordinary;
    const PointerShape look = OutlineAt(*shape, at);
    if (look == PointerShape::Ordinary)
        return look;
    const std::int32_t hit = FindShapeAt(Program().Shapes, at.x, at.y);
    return hit == 0 || hit == selected ? look : PointerShape::Ordinary;
}

} // namespace

std::int32_t cDrawingAreaInput::OnDrawingArea(WindowHandle dialog, std::uint32_t message,
                                              std::uint32_t wParam, std::int32_t) {
    if (message != Message::Command)
        return 0;
    if ((wParam >> 16) != Notification::KeyPressed)
        keys_.EndRun(); // the pointer or a menu ends a run of arrow-key moves
    // The drawing area sits at the window's client origin; its border is not subtracted.
    const ClientPoint point = GetCursorClientPos(dialog);
    switch (wParam >> 16) {
    case Notification::Clicked: {
        const bool onOutline = LookAt(point) != PointerShape::Ordinary;
        const std::int32_t selected = SelectedShape();
        const std::int32_t hit = FindShapeAt(Program().Shapes, point.x, point.y);
        SelectShape(dialog, hit, host_);
        drag_.Press(onOutline ? selected : hit, point, onOutline);
        break;
    }
    case Notification::PointerHovered:
        SetPointerShape(GetControl(dialog, kDrawingAreaId), LookAt(point));
        break;
    case Notification::PointerDragged:
        drag_.Move(point);
        break;
    case Notification::DoubleClicked: {
        // Only the selected shape, whose editor follows the drag.
        const bool onOutline = LookAt(point) != PointerShape::Ordinary;
        const std::int32_t selected = SelectedShape();
        if (onOutline ||
            (selected != 0 && FindShapeAt(Program().Shapes, point.x, point.y) == selected))
            drag_.Press(selected, point, onOutline);
        break;
    }
    case Notification::PointerReleased:
    case Notification::PointerLost:
        drag_.Release();
        break;
    case Notification::DragCancelled:
        drag_.Cancel();
        break;
    case Notification::MenuAtPointer: {
        drag_.Release();
        const std::int32_t hit = FindShapeAt(Program().Shapes, point.x, point.y);
        SelectShape(dialog, hit, host_);
        OpenShapeMenu(dialog, point, hit, host_);
        break;
    }
    case Notification::MenuFromKeyboard: // for the shape whose editor is showing, if any
        drag_.Release();
        OpenShapeMenu(dialog, point, FindShapeIndex(Program().ViewManager->Current()), host_);
        break;
    case Notification::KeyPressed: // a key ends a drag first, as one step
        drag_.Release();
        keys_.OnKey(dialog);
        break;
    default:
        break;
    }
    return 0;
}
