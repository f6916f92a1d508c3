#pragma once

#include "shapes/iShape.h"
#include "ui/DialogService.h"

#include <cstdint>
#include <memory>

// Callbacks of the main window's shape buttons, "Clear" and the drawing area.

// Adds a new shape of the button's kind: button 100 + i stands for prototype i.
std::int32_t OnShapeButton(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                           std::int32_t lParam);
std::int32_t OnClear(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                     std::int32_t lParam);
// Selects the topmost shape under the click: outlines it in orange and opens its editor.
std::int32_t OnDrawingArea(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                           std::int32_t lParam);

void AddShape(std::shared_ptr<iShape> shape);
void ClearShapes();
