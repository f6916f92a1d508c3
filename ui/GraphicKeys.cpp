#include "ui/GraphicKeys.h"

#include "ui/DialogService.h"
#include "ui/GraphicControl.h"

std::uint32_t GraphicLastKey(WindowHandle dialog, std::int32_t id) {
    const GraphicControl* control = GraphicControlOf(GetControl(dialog, id));
    return control ? control->LastKey() : kKeyNone;
}

void GraphicFocusOnward(WindowHandle dialog, std::int32_t id, bool forward) {
    if (GraphicControl* control = GraphicControlOf(GetControl(dialog, id)))
        control->FocusOnward(forward);
}
