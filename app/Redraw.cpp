#include "app/Redraw.h"

#include "app/ProgramState.h"
#include "ui/BusyCursor.h"
#include "ui/DialogService.h"
#include "ui/GraphicService.h"

namespace {
constexpr std::int32_t kPenWidth = 2;
constexpr std::int32_t kHighlightPenWidth = 4;
} // namespace

void RedrawShapes() {
    DrawShapeList(Program().MainWindow, kDrawingAreaId, Program().Shapes);
}

void DrawShapeList(WindowHandle dialog, std::int32_t id, const LinkListCollection& list) {
    const BusyCursor busy;
    GraphicAttach(dialog, id, true);
    GraphicClear(MakeRgb(255, 255, 255), 0);
    GraphicSetWidth(kPenWidth);
    for (std::int32_t i = list.COUNT(); i >= 1; --i) {
        if (const auto& shape = list.ITEM(i))
            shape->Draw(std::nullopt);
    }
    GraphicRedraw();
    GraphicDetach();
}

void DrawHighlighted(WindowHandle dialog, std::int32_t id, const iShape& shape) {
    GraphicAttach(dialog, id, false);
    GraphicSetWidth(kHighlightPenWidth);
    shape.Draw(MakeRgb(255, 128, 0));
    GraphicDetach();
}

std::int32_t FindShapeAt(const LinkListCollection& list, std::int32_t x, std::int32_t y) {
    const std::int32_t count = list.COUNT();
    for (std::int32_t i = 1; i <= count; ++i) {
        const auto& shape = list.ITEM(i);
        if (shape && shape->HitTest(x, y) != 0)
            return i;
    }
    return 0;
}

std::int32_t FindShapeIndex(WindowHandle dialog) {
    const ShapeIdentity stored = GetUserValue(dialog, 0);
    const LinkListCollection& shapes = Program().Shapes;
    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i) {
        const auto& shape = shapes.ITEM(i);
        if (shape && shape->Identity() == stored)
            return i;
    }
    return 0;
}
