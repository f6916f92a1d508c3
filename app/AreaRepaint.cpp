#include "app/AreaRepaint.h"

#include "ui/GraphicService.h"

#include <vector>

namespace {
// How many shapes are marked between two looks at whether the area is covered.
constexpr std::size_t kShapesPerCoverageLook = 8;
} // namespace

void RepaintArea(const ShapeBox& area, const cShapeIndex& index, const iShape* leftOut) {
    GraphicClip(area.left, area.top, area.right, area.bottom);
    std::vector<const iShape*> showing; // from the top down
    GraphicBeginCoverage();
    index.VisitTopDown(area, [&showing, leftOut](const iShape& shape) {
        if (&shape == leftOut)
            return true;
        shape.Draw(std::nullopt);
        showing.push_back(&shape);
        return showing.size() % kShapesPerCoverageLook != 0 || !GraphicCovered();
    });
    GraphicEndCoverage();
    GraphicClear(MakeRgb(255, 255, 255), 0);
    for (auto shape = showing.rbegin(); shape != showing.rend(); ++shape)
        (*shape)->Draw(std::nullopt);
    GraphicUnclip();
}
