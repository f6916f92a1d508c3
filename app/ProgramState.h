#pragma once

#include "app/ShapeIndex.h"
#include "app/StepHistory.h"
#include "app/cViewManager.h"
#include "shapes/LinkListCollection.h"
#include "ui/WindowTypes.h"

#include <memory>

// The program-wide state: the drawing, the prototypes, the main window, the view panel
// and the view manager. Everything in app/ reaches it through Program().
struct ProgramState {
    LinkListCollection Shapes;     // the drawing; position 1 is on top
    LinkListCollection ShapeTypes; // one prototype per offered kind, in button order
    // Where the drawing's shapes lie and what changed since the last repaint.
    std::unique_ptr<cShapeIndex> Index = std::make_unique<cShapeIndex>();
    WindowHandle MainWindow = 0;
    WindowHandle ViewPanel = 0;
    std::unique_ptr<cViewManager> ViewManager = std::make_unique<cViewManager>();
    // Every change to the drawing, to undo and redo; it keeps the shapes it needs alive.
    std::unique_ptr<cStepHistory> History = std::make_unique<cStepHistory>();
};

// The control ID of the drawing area in the main window.
constexpr std::int32_t kDrawingAreaId = 101;

ProgramState& Program();
// Releases Shapes (and the history), ShapeTypes and the view manager, in that order, as
// the program ends.
void ReleaseProgram();
// A fresh, empty state in place of the current one, for a new start.
void ResetProgram();
