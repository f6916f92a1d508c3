#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The dialog and control service: every window of the program is built through it and
// every notification reaches the program through it. Windows are named by opaque,
// non-zero 32-bit handles that are never reused during a run; once a window is gone,
// every operation given its handle does nothing.

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
constexpr std::uint32_t Centre = 0x00000800;
constexpr std::uint32_t ControlParent = 0x00000400; // a child dialog behaving as a control
constexpr std::uint32_t NotifyClicks = 0x00000100;  // graphic control
constexpr std::uint32_t AutoHScroll = 0x00000080;   // text box
constexpr std::uint32_t DefaultButton = 0x00000001;
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

WindowHandle NewDialog(std::int32_t units, WindowHandle parent, const std::string& caption,
                       std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                       std::uint32_t style, std::uint32_t exStyle);
void AddControl(std::int32_t kind, WindowHandle dialog, std::int32_t id, const std::string& caption,
                std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                std::uint32_t style, std::uint32_t exStyle, ControlCallback callback = {});

// Shows the dialog and runs the event loop until the dialog is destroyed.
void ShowModal(WindowHandle dialog, ControlCallback callback = {}, std::int32_t* result = nullptr);
// Shows the dialog and returns at once.
void ShowModeless(WindowHandle dialog, ControlCallback callback = {},
                  std::int32_t* result = nullptr);
// Stores the result and destroys the dialog with its children. Safe from inside a
// callback of that very dialog.
void CloseDialog(WindowHandle dialog, std::int32_t result);
// 0 hides, 1 shows normally, 3 maximised, 6 minimised; remembered until the first show.
void SetShowState(WindowHandle dialog, std::int32_t state);

// The first-created control of the dialog with that ID, or 0.
WindowHandle GetControl(WindowHandle dialog, std::int32_t id);
std::string GetText(WindowHandle window);
void SetText(WindowHandle window, const std::string& text);
void FocusControl(WindowHandle dialog, std::int32_t id);
OuterSize GetOuterSize(WindowHandle dialog);
void SetOuterSize(WindowHandle dialog, std::int32_t width, std::int32_t height);
void MoveDialog(WindowHandle dialog, std::int32_t x, std::int32_t y);
void SetUserValue(WindowHandle dialog, std::int32_t index, std::int32_t value);
std::int32_t GetUserValue(WindowHandle dialog, std::int32_t index);
// -1 while the window exists, 0 after it was destroyed (or was never one).
std::int32_t IsLiveWindow(WindowHandle window);

// The pointer position of the click being handled (else the current cursor position),
// in client coordinates of the dialog.
ClientPoint GetCursorClientPos(WindowHandle dialog);
// Selects characters start..end of a text box once queued events are processed.
void PostSelectText(WindowHandle textBox, std::int32_t start, std::int32_t end);
