#include "app/Redraw.h"

#include "app/AreaRepaint.h"
#include "app/ProgramState.h"
#include "ui/BusyCursor.h"
#include "ui/GraphicService.h"

namespace {
constexpr std::int32_t kPenWidth = 2;
constexpr std::int32_t kHighlightPenWidth = 4;
constexpr RgbColor kHighlight = 0x0080FF; // orange: red 255, green 128, blue 0
// Kept pictures: the drawing without the moving shape during a drag, and the drawing as
// last repainted, without a highlight.
constexpr std::int32_t kStill = 0;
constexpr std::int32_t kDrawing = 1;

// Draws the shapes at positions last..first (first lies on top).
void DrawRange(const LinkListCollection& list, std::int32_t first, std::int32_t last) {
    for (std::int32_t i = last; i >= first; --i) {
        if (const auto& shape = list.ITEM(i))
            shape->Draw(std::nullopt);
    }
}

void PaintWhole(const LinkListCollection& list) {
    GraphicClear(MakeRgb(255, 255, 255), 0);
    GraphicSetWidth(kPenWidth);
    DrawRange(list, 1, list.COUNT());
}

// The kept picture of the drawing, with only what changed since painted afresh; the
// whole drawing when the index cannot tell what changed, or no picture is kept.
void PaintChanged(ProgramState& program) {
    cShapeIndex& index = *program.Index;
    if (index.Count() != program.Shapes.COUNT()) // changed behind the index's back
        index.Rebuild(program.Shapes);
    if (index.Changed().Whole() || !GraphicRestore(kDrawing)) {
        const BusyCursor busy;
        PaintWhole(program.Shapes);
    } else {
        GraphicSetWidth(kPenWidth);
        for (const ShapeBox& area : index.Changed().Boxes())
            RepaintArea(area, index);
    }
    index.Changed().Clear();
    GraphicKeep(kDrawing);
}

// The drawing, and the selected shape's highlight over it, reach the screen in one update.
void RedrawDrawing(const iShape* selected) {
    ProgramState& program = Program();
    GraphicAttach(program.MainWindow, kDrawingAreaId, true);
    PaintChanged(program);
    if (selected) {
        GraphicSetWidth(kHighlightPenWidth);
        selected->Draw(kHighlight);
    }
    GraphicRedraw();
    GraphicDetach();
}
} // namespace

void RedrawShapes() {
    RedrawDrawing(nullptr);
}

void RedrawSelected(const iShape& shape) {
    RedrawDrawing(&shape);
}

void DrawShapeList(WindowHandle dialog, std::int32_t id, const LinkListCollection& list) {
    const BusyCursor busy;
    GraphicAttach(dialog, id, true);
    PaintWhole(list);
    GraphicRedraw();
    GraphicDetach();
}

// In the main window's drawing, the kept picture brought up to date, with the moving
// shape's area painted again without it; else everything but the shape.
void BeginDragLayers(WindowHandle dialog, std::int32_t id, const LinkListCollection& list,
                     std::int32_t position) {
    ProgramState& program = Program();
    const iShape* moving = list.ITEM(position).get();
    const bool drawing =
        dialog == program.MainWindow && id == kDrawingAreaId && &list == &program.Shapes && moving;
    GraphicAttach(dialog, id, true);
    if (drawing)
        PaintChanged(program);
    const std::optional<ShapeBox> area = drawing ? program.Index->AreaOf(*moving) : std::nullopt;
    if (area) {
        if (area->left <= area->right)
            RepaintArea(*area, *program.Index, moving);
    } else {
        GraphicClear(MakeRgb(255, 255, 255), 0);
        GraphicSetWidth(kPenWidth);
        DrawRange(list, position + 1, list.COUNT());
        DrawRange(list, 1, position - 1);
    }
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
    GraphicForget(kStill);
    GraphicDetach();
}

void DrawHighlighted(WindowHandle dialog, std::int32_t id, const iShape& shape) {
    GraphicAttach(dialog, id, false);
    GraphicSetWidth(kHighlightPenWidth);
    shape.Draw(kHighlight);
    GraphicDetach();
}
