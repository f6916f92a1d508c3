#include "app/ProgramHost.h"

#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/ShapeLookup.h"

WindowHandle cProgramHost::ViewPanel() const {
    return Program().ViewManager->GetContainer();
}

void cProgramHost::ShowView(WindowHandle dialog) {
    Program().ViewManager->ShowView(dialog);
}

void cProgramHost::CloseView() {
    Program().ViewManager->CloseView();
}

std::int32_t cProgramHost::FindShape(WindowHandle editDialog) const {
    return FindShapeIndex(editDialog);
}

void cProgramHost::StoreValues(std::int32_t position, const ShapeValues& values) {
    UpdateShape(position, values);
}

void cProgramHost::Redraw() {
    RedrawShapes();
}

const LinkListCollection& cProgramHost::Shapes() const {
    return Program().Shapes;
}

const LinkListCollection& cProgramHost::Prototypes() const {
    return Program().ShapeTypes;
}

void cProgramHost::ReplaceShapes(LinkListCollection loaded) {
    LoadShapes(std::move(loaded));
}
