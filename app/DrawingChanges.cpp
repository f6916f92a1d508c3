#include "app/DrawingChanges.h"

#include "app/ProgramState.h"
#include "app/Redraw.h"

void AddShape(std::shared_ptr<iShape> shape) {
    Program().Shapes.ADD(std::move(shape));
    RedrawShapes();
}

LinkListCollection ClearShapes() {
    LinkListCollection removed = ReplaceShapes({});
    RedrawShapes();
    return removed;
}

LinkListCollection ReplaceShapes(LinkListCollection shapes) {
    std::swap(Program().Shapes, shapes);
    return shapes;
}

std::optional<ShapeValues> UpdateShape(std::int32_t position, const ShapeValues& values) {
    const std::shared_ptr<iShape>& shape = Program().Shapes.ITEM(position);
    if (!shape)
        return std::nullopt;
    const ShapeValues before = shape->Values();
    shape->SetValues(values);
    return before;
}
