#include "app/DrawingAreaInput.h"

#include "app/ProgramState.h"
#include "app/Selection.h"
#include "app/ShapeLookup.h"
#include "app/ShapeMenu.h"
#include "ui/DialogService.h"

std::int32_t cDrawingAreaInput::OnDrawingArea(WindowHandle dialog, std::uint32_t message,
                                              std::uint32_t wParam, std::int32_t) {
    if (message != Message::Command)
        return 0;
    // The drawing area sits at the window's client origin; its border is not subtracted.
    const ClientPoint point = GetCursorClientPos(dialog);
    switch (wParam >> 16) {
    case Notification::Clicked: {
        const std::int32_t hit = FindShapeAt(Program().Shapes, point.x, point.y);
        SelectShape(dialog, hit, host_);
        drag_.Press(hit, point);
        break;
    }
    case Notification::PointerDragged:
        drag_.Move(point);
        break;
    case Notification::DoubleClicked: {
        const std::int32_t hit = FindShapeAt(Program().Shapes, point.x, point.y);
        if (hit != 0 && hit == FindShapeIndex(Program().ViewManager->Current()))
            drag_.Press(hit, point); // the selected shape: its editor follows the drag
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
    default:
        break;
    }
    return 0;
}
