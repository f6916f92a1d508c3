#pragma once

#include "ui/WindowTypes.h"

#include <cstdint>

// Callbacks of the main window's shape buttons and "Clear".

// Shape button i has the ID kShapeButtonBase + i and stands for prototype i.
constexpr std::int32_t kShapeButtonBase = 100;

// Adds a new shape of the button's kind.
std::int32_t OnShapeButton(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                           std::int32_t lParam);
std::int32_t OnClear(WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                     std::int32_t lParam);
