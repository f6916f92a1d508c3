#include "app/DrawingAreaInput.h"

#include "app/ProgramState.h"
#include "app/Selection.h"
#include "app/ShapeLookup.h"
#include "app/ShapeMenu.h"
#include "ui/DialogService.h"
#include "ui/GraphicKeys.h"

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
        const std::int32_t hit = FindShapeAt(Program().Shapes, point.x, point.y);
        SelectShape(dialog, hit, host_);
        drag_.Press(hit, point);
        break;
    }
    case Notification::PointerDragged:
        drag_.Move(point);
        break;
    case Notification::PointerReleased:
        drag_.Release();
        break;
    case Notification::MenuAtPointer: {
        const std::int32_t hit = FindShapeAt(Program().Shapes, point.x, point.y);
        SelectShape(dialog, hit, host_);
        OpenShapeMenu(dialog, point, hit, host_);
        break;
    }
    case Notification::MenuFromKeyboard: // for the shape whose editor is showing, if any
        OpenShapeMenu(dialog, point, FindShapeIndex(Program().ViewManager->Current()), host_);
        break;
    case Notification::KeyPressed:
        keys_.OnKey(dialog);
        break;
    default:
        break;
    }
    return 0;
}
