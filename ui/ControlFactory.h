#pragma once

#include "ui/WindowRegistry.h"

#include <cstdint>
#include <string>

class QWidget;

// The Qt widget behind each kind of control, and the styles the kinds take.

// The style a control is created with: the kind's default for 0 (a text box then gets
// the sunken edge in exStyle instead of its border), plus the bits every control of the
// kind carries.
std::uint32_t ControlStyle(std::int32_t kind, std::uint32_t style, std::uint32_t& exStyle);
// A new widget for the control in the dialog's client area, or nullptr for an unknown kind.
QWidget* CreateControlWidget(const ControlRecord& record, const std::string& caption,
                             QWidget* client);
// Screen readers name a text box by the label just before it.
void LinkToPrecedingLabel(const DialogRecord& dialog, QWidget* widget);
