#include "app/Redraw.h"

#include "app/ProgramState.h"
#include "ui/BusyCursor.h"
#include "ui/GraphicService.h"

namespace {
constexpr std::int32_t kPenWidth = 2;
constexpr std::int32_t kHighlightPenWidth = 4;
constexpr RgbColor kHighlight = 0x0080FF; // orange: red 255, green 128, blue 0
constexpr std::int32_t kStill = 0;        // the drawing without the moving shape

// Draws the shapes at positions last..first (first lies on top).
void DrawRange(const LinkListCollection& list, std::int32_t first, std::int32_t last) {
    for (std::int32_t i = last; i >= first; --i) {
        if (const auto& shape = list.ITEM(i))
            shape->Draw(std::nullopt);
    }
}
} // namespace

void RedrawShapes() {
    DrawShapeList(Program().MainWindow, kDrawingAreaId, Program().Shapes);
}

void DrawShapeList(WindowHandle dialog, std::int32_t id, const LinkListCollection& list) {
    const BusyCursor busy;
    GraphicAttach(dialog, id, true);
    GraphicClear(MakeRgb(255, 255, 255), 0);
    GraphicSetWidth(kPenWidth);
    DrawRange(list, 1, list.COUNT());
    GraphicRedraw();
    GraphicDetach();
}

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
