#pragma once

#include "ui/WindowTypes.h"

// The Menu key and Shift+F10 anywhere in a window and the panels inside it ask the
// window's graphic control for its keyboard menu, whichever control has the focus. The
// platform's own keyboard context menus inside the window are dropped, so one key opens
// one menu.
void RouteMenuKeys(WindowHandle window, WindowHandle graphicControl);
