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

    cShapeEditDialog() = default;
    ~cShapeEditDialog();
    cShapeEditDialog(const cShapeEditDialog&) = delete;
    cShapeEditDialog& operator=(const cShapeEditDialog&) = delete;

    // Builds the dialog in the host's view panel on first use, else refreshes its boxes
    // from values; then shows it there with the X box focused and its text selected.
    // Update and Cancel act through the host the dialog was built with.
    void Open(iShapeEditHost& host, const ShapeKind& kind, const ShapeValues& values,
              ShapeIdentity identity);

  private:
    void Build(iShapeEditHost& host, const ShapeKind& kind, const ShapeValues& values,
               ShapeIdentity identity);
    void Refresh(const ShapeValues& values) const;

    WindowHandle handle_ = 0;
};
