#pragma once

#include "shapes/ShapeKind.h"
#include "shapes/ShapeValues.h"
#include "shapes/iShape.h"
#include "shapes/iShapeEditHost.h"

#include <cstdint>

// A shape's edit dialog: a panel in the view panel with a labelled text box per value of
// the kind and the buttons "Update" and "Cancel". Built on the first Open, then only
// refreshed, shown and hidden; destroyed with its owner, the shape.
class cShapeEditDialog {
  public:
    static constexpr std::int32_t kFirstLabelId = 501;
    static constexpr std::int32_t kFirstBoxId = 101;
    static constexpr std::int32_t kUpdateId = 801;
    static constexpr std::int32_t kCancelId = 802;

    // The program's side of every edit dialog; nullptr leaves Open doing nothing.
    static void UseHost(iShapeEditHost* host);

    cShapeEditDialog() = default;
    ~cShapeEditDialog();
    cShapeEditDialog(const cShapeEditDialog&) = delete;
    cShapeEditDialog& operator=(const cShapeEditDialog&) = delete;

    // Builds the dialog on first use, else refreshes its boxes from values; then shows
    // it in the view panel with the X box focused and its text selected.
    void Open(const ShapeKind& kind, const ShapeValues& values, ShapeIdentity identity);

  private:
    void Build(const ShapeKind& kind, const ShapeValues& values, ShapeIdentity identity);
    void Refresh(const ShapeValues& values) const;

    WindowHandle handle_ = 0;
};
