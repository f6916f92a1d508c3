#include "app/Redraw.h"

#include "app/ProgramState.h"
#include "ui/BusyCursor.h"
#include "ui/DialogService.h"
#include "ui/GraphicService.h"

namespace {
constexpr std::int32_t kPenWidth = 2;
constexpr std::int32_t kHighlightPenWidth = 4;
constexpr RgbColor kHighlight = 0x0080FF; // orange: red 255, green 128, blue 0
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

namespace {
constexpr std::int32_t kStill = 0; // the drawing without the moving shape

// Draws the shapes at positions last..first (first lies on top).
void DrawRange(const LinkListCollection& list, std::int32_t first, std::int32_t last) {
    for (std::int32_t i = last; i >= first; --i) {
        if (const auto& shape = list.ITEM(i))
            shape->Draw(std::nullopt);
    }
}
} // namespace

void BeginDragLayers(WindowHandle dialog, std::int32_t id, const LinkListCollection& list,
                     std::int32_t position) {
    GraphicAttach(dialog, id, true);
    GraphicClear(MakeRgb(255, 255, 255), 0);
    GraphicSetWidth(kPenWidth);
    DrawRange(list, position + 1, list.COUNT());
    DrawRange(list, 1, position - 1);
    GraphicKeep(kStill);
    GraphicDetach();
}

// The highlight covers the whole shape (its wider outline the narrower one), so the shape
// itself, beneath the others, need not be painted: the frame is what a whole repaint with
// the highlight shows.
void DrawDragFrame(WindowHandle dialog, std::int32_t id, const iShape& shape) {
    GraphicAttach(dialog, id, true);
    GraphicRestore(kStill);
    GraphicSetWidth(kHighlightPenWidth);
    shape.Draw(kHighlight);
    GraphicRedraw();
    GraphicDetach();
}

void EndDragLayers(WindowHandle dialog, std::int32_t id) {
    GraphicAttach(dialog, id, false);
    GraphicForget();
    GraphicDetach();
}

void DrawHighlighted(WindowHandle dialog, std::int32_t id, const iShape& shape) {
    GraphicAttach(dialog, id, false);
    GraphicSetWidth(kHighlightPenWidth);
    shape.Draw(kHighlight);
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

void SelectShape(WindowHandle dialog, std::int32_t position) {
    const std::shared_ptr<iShape> shape = Program().Shapes.ITEM(position); // kept while edited
    if (!shape)
        return;
    RedrawShapes();
    DrawHighlighted(dialog, kDrawingAreaId, *shape);
    shape->Edit();
}
