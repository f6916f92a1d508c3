#pragma once

#include <cstdint>

class QKeyEvent;

// The keys a graphic control that notifies clicks keeps for its program: it sends
// KeyPressed and remembers the key, which the program reads with GraphicLastKey.
namespace Notification {
constexpr std::uint32_t KeyPressed = 0x8020;
} // namespace Notification

enum ControlKey : std::uint32_t {
    kKeyNone = 0,
    kKeyTab,
    kKeyLeft,
    kKeyRight,
    kKeyUp,
    kKeyDown,
    kKeyDelete,
    kKeyEscape,
    kKeyEnter,
    kKeyF2,
};
// Added to a key pressed with Shift (Shift+Tab is kKeyTab | kKeyShift).
constexpr std::uint32_t kKeyShift = 0x100;

// The control key of a key press, kKeyNone for any other key or with Ctrl, Alt or Meta.
std::uint32_t ControlKeyOf(const QKeyEvent& event);
