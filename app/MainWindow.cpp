#include "app/MainWindow.h"

#include "app/Commands.h"
#include "app/ProgramState.h"
#include "file/FileCommands.h"
#include "shapes/RandomSource.h"
#include "shapes/cCircle.h"
#include "shapes/cRectangle.h"
#include "shapes/cTriangle.h"
#include "ui/DialogService.h"
#include "ui/GraphicService.h"

#include <QTime>

#include <bit>

namespace {

constexpr std::uint32_t kMainWindowStyle = 0x00CA0800;  // caption, close box, minimise box, centred
constexpr std::uint32_t kDrawingAreaStyle = 0x00800100; // thin border, click notification
constexpr std::uint32_t kViewPanelStyle = 0x50800400;   // child, visible, border, control-like
constexpr std::int32_t kButtonWidth = 100;
constexpr std::int32_t kButtonHeight = 30;
constexpr std::int32_t kButtonStep = 34;

void AddButton(std::int32_t id, const std::string& caption, std::int32_t x, std::int32_t& y,
               ControlCallback callback) {
    AddControl(kPushButton, Program().MainWindow, id, caption, x, y, kButtonWidth, kButtonHeight, 0,
               0, std::move(callback));
    y += kButtonStep;
}

} // namespace

void SeedRandomFromTimeOfDay() {
    const float seconds = static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    SeedRandom(std::bit_cast<std::uint32_t>(seconds));
}

void RegisterPrototypes() {
    ProgramState& program = Program();
    program.ShapeTypes.ADD(std::make_shared<cCircle>());
    program.ShapeTypes.ADD(std::make_shared<cRectangle>());
    program.ShapeTypes.ADD(std::make_shared<cTriangle>());
}

void StartUp() {
    SeedRandomFromTimeOfDay();
    ResetProgram();
    ProgramState& program = Program();
    RegisterPrototypes();

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
        AddButton(100 + i, std::string(program.ShapeTypes.ITEM(i)->ShapeName()), x, y,
                  OnShapeButton);
    AddButton(100 + kinds + 1, "Clear", x, y, OnClear);
    AddButton(100 + kinds + 2, "Save", x, y, OnSave);
    AddButton(100 + kinds + 3, "Load", x, y, OnLoad);

    x += 110;
    program.ViewPanel = NewDialog(kPixelUnits, program.MainWindow, "", x, 10, 100, 300,
                                  kViewPanelStyle, Style::ExClientEdge);
    program.ViewManager = std::make_unique<cViewManager>();
    program.ViewManager->SetContainer(program.ViewPanel);
    program.ViewManager->SetAllowEmpty(-1);
    ShowModeless(program.ViewPanel);
}

int KestruneMain() {
    StartUp();
    ShowModal(Program().MainWindow);
    return 0;
}
