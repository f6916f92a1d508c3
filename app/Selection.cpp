#include "app/Selection.h"

#include "app/ProgramState.h"
#include "app/Redraw.h"

void SelectShape(WindowHandle, std::int32_t position, iShapeEditHost& host) {
    const std::shared_ptr<iShape> shape = Program().Shapes.ITEM(position); // kept while edited
    if (!shape)
        return;
    RedrawSelected(*shape);
    shape->Edit(host);
}
