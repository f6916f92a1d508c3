#pragma once

#include "shapes/iShapeEditHost.h"
#include "ui/ClipboardKeys.h"
#include "ui/WindowTypes.h"

#include <cstdint>

// Shapes on the system clipboard: as records (the very lines Save writes), so they paste
// into a text editor or another drawing, and as pictures of the shape alone.

// Puts the shape at that position on the clipboard: its record, and it painted alone as
// PNG and SVG.
void CopyShape(std::int32_t position);
// Copies it, then removes it as Delete does, one step.
void CutShape(std::int32_t position);
// Whether the clipboard's text has a line that Load would make a shape of.
bool CanPaste();
// A shape for each line of the clipboard's text, by Load's rules (its messages included),
// on top of the drawing in the text's order as one step; the first is selected through
// the host. Text without such a line changes nothing.
void PasteShapes(WindowHandle dialog, iShapeEditHost& host);
// A clipboard key: Cut and Copy act on the selected shape, if any.
void OnClipboardKey(ClipboardKey key, WindowHandle dialog, iShapeEditHost& host);
