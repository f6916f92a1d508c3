#include "app/ButtonCallbacks.h"

#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "ui/MessageBox.h"

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
