#include "app/DrawingAccess.h"

#include "app/ProgramState.h"
#include "app/ShapeLookup.h"
#include "shapes/ShapeWords.h"
#include "text/NumberText.h"
#include "ui/DialogService.h"

namespace {

// The editor in the view panel, 0 for none (or once the program is released).
WindowHandle ShownEditor() {
    const auto& views = Program().ViewManager;
    return views ? views->Current() : 0;
}

} // namespace

std::string cDrawingAccess::Name() const {
    return "Drawing";
}

std::string cDrawingAccess::Description() const {
    const std::int32_t count = Count();
    return FormatNumber(count, "0") + (count == 1 ? " shape" : " shapes");
}

std::int32_t cDrawingAccess::Count() const {
    return Program().Shapes.COUNT();
}

std::string cDrawingAccess::ItemName(std::int32_t position) const {
    const auto& shape = Program().Shapes.ITEM(position);
    return shape ? ShapeInWords(*shape) : std::string();
}

std::optional<DrawingBox> cDrawingAccess::ItemBox(std::int32_t position) const {
    const auto& shape = Program().Shapes.ITEM(position);
    const std::optional<ShapeBox> box = shape ? shape->Bounds() : std::nullopt;
    if (!box)
        return std::nullopt;
    return DrawingBox{box->left, box->top, box->right, box->bottom};
}

std::int32_t cDrawingAccess::Selected() const {
    const WindowHandle editor = ShownEditor();
    return editor != 0 ? FindShapeIndex(editor) : 0;
}

// Without a search: the editor showing names its shape by identity.
bool cDrawingAccess::IsSelected(std::int32_t position) const {
    const WindowHandle editor = ShownEditor();
    const auto& shape = Program().Shapes.ITEM(position);
    return editor != 0 && shape && shape->Identity() == GetUserValue(editor, 0);
}

cDrawingAccess& DrawingAccess() {
    static cDrawingAccess access;
    return access;
}
