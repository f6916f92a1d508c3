#include "app/DrawingChanges.h"

#include "app/ProgramState.h"

#include <algorithm>

// Each change tells the index of boxes what it touched, so that the next repaint paints
// only there.

void InsertShape(std::int32_t position, std::shared_ptr<iShape> shape) {
    LinkListCollection& shapes = Program().Shapes;
    const std::int32_t at = std::clamp(position, 1, shapes.COUNT() + 1);
    shapes.INSERT(at, std::move(shape));
    Program().Index->Inserted(shapes, at);
}

std::shared_ptr<iShape> RemoveShape(std::int32_t position) {
    std::shared_ptr<iShape> shape = Program().Shapes.REMOVE(position);
    if (shape)
        Program().Index->Removed(*shape);
    return shape;
}

LinkListCollection ReplaceShapes(LinkListCollection shapes) {
    std::swap(Program().Shapes, shapes);
    Program().Index->Rebuild(Program().Shapes);
    return shapes;
}

std::optional<ShapeValues> SetShapeValues(std::int32_t position, const ShapeValues& values) {
    const std::shared_ptr<iShape>& shape = Program().Shapes.ITEM(position);
    if (!shape)
        return std::nullopt;
    const ShapeValues before = shape->Values();
    shape->SetValues(values);
    Program().Index->Reshaped(*shape);
    return before;
}

void MoveShapeTo(std::int32_t from, std::int32_t to) {
    LinkListCollection& shapes = Program().Shapes;
    if (std::shared_ptr<iShape> shape = shapes.REMOVE(from)) {
        const std::int32_t at = std::clamp(to, 1, shapes.COUNT() + 1);
        shapes.INSERT(at, std::move(shape));
        Program().Index->Restacked(shapes, at);
    }
}

std::int32_t PositionOf(const iShape& shape) {
    const LinkListCollection& shapes = Program().Shapes;
    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i) {
        if (shapes.ITEM(i).get() == &shape)
            return i;
    }
    return 0;
}
