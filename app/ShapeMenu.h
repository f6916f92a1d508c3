#pragma once

#include "shapes/iShapeEditHost.h"
#include "ui/WindowTypes.h"

#include <cstdint>

// The drawing area's context menu. On a shape (at that position): "Delete", "Duplicate",
// "Cut", "Copy", "Paste", "Bring to Front", "Send to Back", then "Undo" and "Redo"; on
// empty space (position 0) "Paste", then "Undo" and "Redo"; "Paste", "Undo" and "Redo"
// each enabled only when there is something to paste, undo or redo; last, after a
// separator, "Export Image…".
// Duplicate selects the copy, opening its editor through the host.
void OpenShapeMenu(WindowHandle dialog, ClientPoint at, std::int32_t position,
                   iShapeEditHost& host);
