#include "app/MainWindow.h"

#include "app/Commands.h"
#include "app/DrawingHistory.h"
#include "app/ProgramHost.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "file/FileCommands.h"
#include "shapes/RandomSource.h"
#include "shapes/cCircle.h"
#include "shapes/cRectangle.h"
#include "shapes/cShapeEditDialog.h"
#include "shapes/cTriangle.h"
#include "ui/DialogService.h"
#include "ui/GraphicService.h"
#include "ui/HistoryKeys.h"

#include <QTime>

#include <bit>

namespace {

constexpr std::uint32_t kMainWindowStyle =
    Style::Caption | Style::SystemMenu | Style::MinimizeBox | Style::Centre;
constexpr std::uint32_t kDrawingAreaStyle = Style::Border | Style::NotifyClicks;
constexpr std::uint32_t kViewPanelStyle =
    Style::Child | Style::Visible | Style::Border | Style::ControlParent;
constexpr std::int32_t kButtonWidth = 100;
constexpr std::int32_t kButtonHeight = 30;
constexpr std::int32_t kButtonStep = 34;

void AddButton(std::int32_t id, const std::string& caption, std::int32_t x, std::int32_t& y,
               ControlCallback callback) {
    AddControl(kPushButton, Program().MainWindow, id, caption, x, y, kButtonWidth, kButtonHeight, 0,
               0, std::move(callback));
    y += kButtonStep;
}

// The program's side of the lower layers: it keeps no state of its own.
cProgramHost& Host() {
    static cProgramHost host;
    return host;
}

} // namespace

void SeedRandomFromTimeOfDay() {
    const float seconds = static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    SeedRandom(std::bit_cast<std::uint32_t>(seconds));
}

void RegisterPrototypes(LinkListCollection& types) {
    types.ADD(std::make_shared<cCircle>());
    types.ADD(std::make_shared<cRectangle>());
    types.ADD(std::make_shared<cTriangle>());
}

void BuildMainWindow() {
    ProgramState& program = Program();
    cShapeEditDialog::UseHost(&Host());

    program.MainWindow = NewDialog(kPixelUnits, 0, "Kestrune", 10, 110, 560, 320, kMainWindowStyle,
                                   Style::ExControlParent);
    AddControl(kGraphicControl, program.MainWindow, kDrawingAreaId, "", 0, 0, 320, 320,
               kDrawingAreaStyle, 0, OnDrawingArea);
    GraphicAttach(program.MainWindow, kDrawingAreaId, false);
    GraphicClear(MakeRgb(255, 255, 255), 0);
    GraphicDetach();

    std::int32_t x = 340;
    std::int32_t y = 10;
    const std::int32_t kinds = program.ShapeTypes.COUNT();
    for (std::int32_t i = 1; i <= kinds; ++i)
        AddButton(kShapeButtonBase + i, std::string(program.ShapeTypes.ITEM(i)->ShapeName()), x, y,
                  OnShapeButton);
    AddButton(kShapeButtonBase + kinds + 1, "Clear", x, y, OnClear);
    AddButton(
        kShapeButtonBase + kinds + 2, "Save", x, y,
        [](WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) { return OnSave(Host()); });
    AddButton(
        kShapeButtonBase + kinds + 3, "Load", x, y,
        [](WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) { return OnLoad(Host()); });

    x += 110;
    program.ViewPanel = NewDialog(kPixelUnits, program.MainWindow, "", x, 10, 100, 300,
                                  kViewPanelStyle, Style::ExClientEdge);
    program.ViewManager = std::make_unique<cViewManager>();
    program.ViewManager->SetContainer(program.ViewPanel);
    program.ViewManager->SetAllowEmpty(-1);
    ShowModeless(program.ViewPanel);
    RouteHistoryKeys(program.MainWindow, UndoChange, RedoChange);
}

void StartUp() {
    SeedRandomFromTimeOfDay();
    ResetProgram();
    RegisterPrototypes(Program().ShapeTypes);
    BuildMainWindow();
}

int KestruneMain(const std::string& file) {
    StartUp();
    if (!file.empty()) {
        OpenStartingFile(Host(), file);
        RedrawShapes();
    }
    ShowModal(Program().MainWindow);
    return 0;
}
