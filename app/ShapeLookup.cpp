#include "app/ShapeLookup.h"

#include "app/ProgramState.h"
#include "ui/DialogService.h"

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
