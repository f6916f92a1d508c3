#pragma once

#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "file/NumberText.h"
#include "shapes/iShape.h"
#include "ui/DialogService.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

// What a shape class tells its edit dialog: the caption, a label per value (X, Y, then
// the size values), the text boxes' extended style and the class's Update callback.
struct ShapeForm {
    std::string caption;
    std::vector<std::string> labels;
    std::uint32_t boxExStyle = 0;
    ControlCallback onUpdate;
};

// A shape's edit dialog: a panel in the view panel with a text box per value and the
// buttons "Update" and "Cancel". Built on the first Open, then only refreshed, shown and
// hidden; destroyed with its owner, the shape.
class cShapeEditDialog {
  public:
    static constexpr std::int32_t kFirstLabelId = 501;
    static constexpr std::int32_t kFirstBoxId = 101;
    static constexpr std::int32_t kUpdateId = 801;
    static constexpr std::int32_t kCancelId = 802;

    cShapeEditDialog() = default;
    ~cShapeEditDialog();
    cShapeEditDialog(const cShapeEditDialog&) = delete;
    cShapeEditDialog& operator=(const cShapeEditDialog&) = delete;

    // Builds the dialog on first use, else refreshes its boxes from values; then shows
    // it in the view panel with the X box focused and its text selected.
    void Open(const ShapeForm& form, std::span<const std::int32_t> values, ShapeIdentity identity);
    WindowHandle Handle() const { return handle_; }

  private:
    void Build(const ShapeForm& form, std::span<const std::int32_t> values, ShapeIdentity identity);
    void Refresh(std::span<const std::int32_t> values) const;

    WindowHandle handle_ = 0;
};

// The Cancel callback of every edit dialog: hide it and repaint the drawing.
std::int32_t OnEditCancel(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                          std::int32_t lParam);

// The body of every class's Update callback: finds the dialog's shape in Shapes, stores
// the typed values through the class's property interface, hides the dialog and
// repaints. Does nothing at all when the shape is gone.
template <class Properties>
std::int32_t
UpdateShapeFromDialog(WindowHandle dialog,
                      std::initializer_list<void (Properties::*)(const std::int32_t&)> setters) {
    const std::int32_t index = FindShapeIndex(dialog);
    if (index == 0)
        return 0;
    const auto properties = std::dynamic_pointer_cast<Properties>(Program().Shapes.ITEM(index));
    if (!properties)
        return 0;
    std::int32_t box = cShapeEditDialog::kFirstBoxId;
    for (const auto setter : setters)
        ((*properties).*setter)(TextToInteger(GetText(GetControl(dialog, box++))));
    Program().ViewManager->CloseView();
    RedrawShapes();
    return 0;
}
