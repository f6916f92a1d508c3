#pragma once

#include "ui/WindowTypes.h"

#include <functional>

class QKeyEvent;
class QWidget;

// What to do with a key aimed at a widget of the window: an action when the key is taken,
// nothing to let the widget have it.
using KeyTaker = std::function<std::function<void()>(QWidget& target, const QKeyEvent& key)>;

// Shows every key of the window to take before its widget sees it. A key taken is kept from
// the widget and from shortcuts alike, and its action runs once, on the press. The filter
// goes with the window.
void FilterWindowKeys(WindowHandle window, KeyTaker take);
