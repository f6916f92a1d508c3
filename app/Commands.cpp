#include "app/Commands.h"

#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/ShapeMenu.h"
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
    if (message != Message::Command)
        return 0;
    // The drawing area sits at the window's client origin; its border is not subtracted.
    const ClientPoint point = GetCursorClientPos(dialog);
    switch (wParam >> 16) {
    case Notification::Clicked: {
        const std::int32_t hit = FindShapeAt(Program().Shapes, point.x, point.y);
        SelectShape(dialog, hit); // nothing is repainted for a miss: an earlier highlight stays
        Program().Drag.Press(hit, point);
        break;
    }
    case Notification::PointerDragged:
        Program().Drag.Move(point);
        break;
    case Notification::PointerReleased:
        Program().Drag.Release();
        break;
    case Notification::MenuAtPointer: {
        const std::int32_t hit = FindShapeAt(Program().Shapes, point.x, point.y);
        SelectShape(dialog, hit);
        OpenShapeMenu(dialog, point, hit);
        break;
    }
    case Notification::MenuFromKeyboard: // for the shape whose editor is showing, if any
        OpenShapeMenu(dialog, point, FindShapeIndex(Program().ViewManager->Current()));
        break;
    default:
        break;
    }
    return 0;
}
