#pragma once

#include "ui/WindowTypes.h"

#include <cstdint>

// Callbacks of the main window's shape buttons, "Clear" and the drawing area.

// Shape button i has the ID kShapeButtonBase + i and stands for prototype i.
constexpr std::int32_t kShapeButtonBase = 100;

// Adds a new shape of the button's kind.
std::int32_t OnShapeButton(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                           std::int32_t lParam);
std::int32_t OnClear(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                     std::int32_t lParam);
// Selects the topmost shape under a click: outlines it in orange and opens its editor;
// then a drag moves it. A right press (or the Menu key) opens the context menu.
std::int32_t OnDrawingArea(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                           std::int32_t lParam);
