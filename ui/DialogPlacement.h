#pragma once

#include "ui/WindowTypes.h"

#include <QPoint>
#include <Qt>

class DialogWindow;
class QWidget;
struct DialogRecord;

// How a dialog's styles become a window: its style bits, frame, window flags, place on
// the screen and show state.

// The show state a new dialog starts with: maximised, minimised, or shown.
std::int32_t ShowStateFromStyle(std::uint32_t style);
// The style bits a dialog really gets: defaults, a centre request for a missing position,
// and a child without a parent turned into a pop-up.
std::uint32_t DialogStyle(std::uint32_t style, WindowHandle parent, std::int32_t x, std::int32_t y);
// The width of a child dialog's frame: its border and its sunken edge.
int FrameWidthFor(std::uint32_t style, std::uint32_t exStyle);
Qt::WindowFlags TopLevelFlags(std::uint32_t style);
// A top-level window's position is relative to its owner's client origin on the screen,
// or to the screen itself without an owner.
void MoveTopLevel(QWidget& window, WindowHandle owner, QPoint position);
// Centred in the work area when the style asks for it, else at the position.
void PlaceTopLevel(DialogWindow& window, const DialogRecord& record, QPoint position);
void ApplyShowState(DialogWindow& window, std::int32_t state);
