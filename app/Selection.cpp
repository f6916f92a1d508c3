#include "app/Selection.h"

#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/ShapeLookup.h"
#include "ui/DrawingExposure.h"

void SelectShape(WindowHandle dialog, std::int32_t position, iShapeEditHost& host) {
    const std::shared_ptr<iShape> shape = Program().Shapes.ITEM(position); // kept while edited
    if (!shape)
        return;
    RedrawSelected(*shape);
    shape->Edit(host);
    ReportItemSelected(dialog, kDrawingAreaId, position);
}

std::int32_t SelectedShape() {
    return FindShapeIndex(Program().ViewManager->Current());
}
