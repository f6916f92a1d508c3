#pragma once

#include "ui/WindowTypes.h"

#include <cstdint>
#include <functional>
#include <string>

// The system clipboard.

// Puts text on it with pictures, PNG and SVG, of what draw paints on a graphic control,
// cut to the part that is not white. draw paints through the graphic service and leaves
// the control's picture as it leaves it: the caller paints it again.
void CopyToClipboard(const std::string& text, WindowHandle dialog, std::int32_t id,
                     const std::function<void()>& draw);
// Its plain text; empty when it holds none.
std::string ClipboardText();
