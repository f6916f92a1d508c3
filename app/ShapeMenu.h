#pragma once

#include "ui/WindowTypes.h"

#include <cstdint>

// The drawing area's context menu. On a shape (at that position): "Delete", "Duplicate",
// "Bring to Front", "Send to Back", then "Undo" and "Redo"; on empty space (position 0)
// "Undo" and "Redo" alone, each enabled only when there is something to undo or redo;
// last, after a separator, "Export Image…".
void OpenShapeMenu(WindowHandle dialog, ClientPoint at, std::int32_t position);
