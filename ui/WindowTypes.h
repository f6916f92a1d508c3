#pragma once

#include <cstdint>
#include <functional>

// The vocabulary of the dialog service: handles, callbacks, messages, control kinds and
// styles. Plain values, so every layer can name windows without seeing a widget.

using WindowHandle = std::uint32_t;

// (dialog that holds the control, message, wParam, lParam) -> result; 0 = not handled.
using ControlCallback = std::function<std::int32_t(WindowHandle dialog, std::uint32_t message,
                                                   std::uint32_t wParam, std::int32_t lParam)>;

namespace Message {
constexpr std::uint32_t Size = 0x0005;
constexpr std::uint32_t Close = 0x0010;
constexpr std::uint32_t Init = 0x0110;
constexpr std::uint32_t Command = 0x0111;
} // namespace Message

namespace Notification {
constexpr std::uint32_t Clicked = 0;
constexpr std::uint32_t DoubleClicked = 1;
// A graphic control's own: the left button moved while held down, released; a context
// menu asked for with the right button (at the pointer) or from the keyboard.
constexpr std::uint32_t PointerDragged = 0x8001;
constexpr std::uint32_t PointerReleased = 0x8002;
constexpr std::uint32_t MenuAtPointer = 0x8003;
constexpr std::uint32_t MenuFromKeyboard = 0x8004;
// While the left button is held: the window lost the focus (its pointer with it), or
// Escape was pressed in it.
constexpr std::uint32_t PointerLost = 0x8010;
constexpr std::uint32_t DragCancelled = 0x8011;
// The pointer moved over it with no button held.
constexpr std::uint32_t PointerHovered = 0x8012;
} // namespace Notification

// Command IDs produced by the Enter and Esc keys.
constexpr std::int32_t kIdOk = 1;
constexpr std::int32_t kIdCancel = 2;

enum ControlKind : std::int32_t {
    kPushButton = 1,
    kLabel = 5,
    kTextBox = 9,
    kGraphicControl = 14,
};

// Units of NewDialog: pixels, or anything else for dialog units of the dialog font.
constexpr std::int32_t kPixelUnits = 2;

namespace Style {
// Any window.
constexpr std::uint32_t Popup = 0x80000000;
constexpr std::uint32_t Child = 0x40000000;
constexpr std::uint32_t Visible = 0x10000000;
constexpr std::uint32_t Minimize = 0x20000000;
constexpr std::uint32_t Maximize = 0x01000000;
constexpr std::uint32_t Caption = 0x00C00000;
constexpr std::uint32_t Border = 0x00800000;
constexpr std::uint32_t SystemMenu = 0x00080000;
constexpr std::uint32_t MinimizeBox = 0x00020000;
constexpr std::uint32_t TabStop = 0x00010000;

// Dialogs. The low bits mean something else for each kind of control below.
constexpr std::uint32_t Centre = 0x00000800;
constexpr std::uint32_t ControlParent = 0x00000400; // a child dialog behaving as a control
constexpr std::uint32_t ModalFrame = 0x00000080;
constexpr std::uint32_t DialogBasics = 0x00000054; // own font, 3-D look, always created
// Accepted and cleared: the service makes no system-modal windows, and children are
// always placed relative to their parent.
constexpr std::uint32_t SystemModal = 0x00000002;
constexpr std::uint32_t AbsoluteAlign = 0x00000001;

// Push buttons.
constexpr std::uint32_t DefaultButton = 0x00000001;

// Text boxes.
constexpr std::uint32_t AutoHScroll = 0x00000080;

// Graphic controls.
constexpr std::uint32_t NotifyClicks = 0x00000100;
constexpr std::uint32_t OwnerDraw = 0x0000000D;

// Extended styles, a word of their own.
constexpr std::uint32_t ExClientEdge = 0x00000200;
constexpr std::uint32_t ExControlParent = 0x00010000;
} // namespace Style

// Marker for a position that is not given.
constexpr std::int32_t kNoPosition = INT32_MIN;

struct OuterSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct ClientPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Show states of SetShowState; Show is what a dialog does on its first show by default.
namespace ShowState {
constexpr std::int32_t Hide = 0;
constexpr std::int32_t Normal = 1;
constexpr std::int32_t Maximized = 3;
constexpr std::int32_t Show = 5;
constexpr std::int32_t Minimized = 6;
} // namespace ShowState
