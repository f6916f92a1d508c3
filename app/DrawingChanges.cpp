#include "app/DrawingChanges.h"

#include "app/ProgramState.h"

void InsertShape(std::int32_t position, std::shared_ptr<iShape> shape) {
    Program().Shapes.INSERT(position, std::move(shape));
}

std::shared_ptr<iShape> RemoveShape(std::int32_t position) {
    return Program().Shapes.REMOVE(position);
}

LinkListCollection ReplaceShapes(LinkListCollection shapes) {
    std::swap(Program().Shapes, shapes);
    return shapes;
}

std::optional<ShapeValues> SetShapeValues(std::int32_t position, const ShapeValues& values) {
    const std::shared_ptr<iShape>& shape = Program().Shapes.ITEM(position);
    if (!shape)
        return std::nullopt;
    const ShapeValues before = shape->Values();
    shape->SetValues(values);
    return before;
}

void MoveShapeTo(std::int32_t from, std::int32_t to) {
    if (std::shared_ptr<iShape> shape = Program().Shapes.REMOVE(from))
        Program().Shapes.INSERT(to, std::move(shape));
}

std::int32_t PositionOf(const iShape& shape) {
    const LinkListCollection& shapes = Program().Shapes;
    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i) {
        if (shapes.ITEM(i).get() == &shape)
            return i;
    }
    return 0;
}
