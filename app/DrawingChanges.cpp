#include "app/DrawingChanges.h"

#include "app/ProgramState.h"
#include "app/Redraw.h"

namespace {
// The view panel must not go on showing the editor of a shape that left the drawing.
void HideEditorOfRemovedShape() {
    cViewManager& views = *Program().ViewManager;
    if (views.Current() != 0 && FindShapeIndex(views.Current()) == 0)
        views.CloseView();
}
} // namespace

void InsertShape(std::int32_t position, std::shared_ptr<iShape> shape) {
    Program().Shapes.INSERT(position, std::move(shape));
}

std::shared_ptr<iShape> RemoveShape(std::int32_t position) {
    std::shared_ptr<iShape> shape = Program().Shapes.REMOVE(position);
    HideEditorOfRemovedShape();
    return shape;
}

LinkListCollection ReplaceShapes(LinkListCollection shapes) {
    std::swap(Program().Shapes, shapes);
    HideEditorOfRemovedShape();
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
