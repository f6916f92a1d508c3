#include "app/MainWindow.h"

#include "app/ButtonCallbacks.h"
#include "app/DrawingAccess.h"
#include "app/DrawingAreaInput.h"
#include "app/DrawingHistory.h"
#include "app/KindFolders.h"
#include "app/ProgramHost.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/ShapeClipboard.h"
#include "file/FileCommands.h"
#include "shapes/RandomSource.h"
#include "shapes/ShapeKind.h"
#include "shapes/cCircle.h"
#include "shapes/cRectangle.h"
#include "shapes/cTriangle.h"
#include "ui/ClipboardKeys.h"
#include "ui/DialogService.h"
#include "ui/DrawingExposure.h"
#include "ui/FileDrop.h"
#include "ui/GraphicService.h"
#include "ui/HistoryKeys.h"
#include "ui/MenuKeys.h"

#include <QTime>

#include <bit>

namespace {

constexpr std::uint32_t kMainWindowStyle =
    Style::Caption | Style::SystemMenu | Style::MinimizeBox | Style::Centre;
constexpr std::uint32_t kDrawingAreaStyle = Style::Border | Style::NotifyClicks;
constexpr std::uint32_t kViewPanelStyle =
    Style::Child | Style::Visible | Style::Border | Style::ControlParent;
// Geometry in pixels of the main window's client area: the drawing area at the origin, the
// button column right of it, the view panel right of the buttons.
constexpr std::int32_t kMainWindowX = 10; // the centring style places the window instead
constexpr std::int32_t kMainWindowY = 110;
constexpr std::int32_t kMainWindowWidth = 560;
constexpr std::int32_t kMainWindowHeight = kDrawingSize;
constexpr std::int32_t kButtonColumnX = 340;
constexpr std::int32_t kButtonColumnTop = 10;
constexpr std::int32_t kButtonWidth = 100;
constexpr std::int32_t kButtonHeight = 30;
constexpr std::int32_t kButtonStep = 34;
// The shape buttons and the three command buttons all stand within the window's height.
constexpr std::int32_t kCommandButtons = 3;
constexpr std::int32_t kMostShapeKinds =
    (kMainWindowHeight - kButtonColumnTop - kButtonHeight) / kButtonStep + 1 - kCommandButtons;
constexpr std::int32_t kViewPanelX = kButtonColumnX + 110;
constexpr std::int32_t kViewPanelY = 10;
constexpr std::int32_t kViewPanelWidth = 100;
constexpr std::int32_t kViewPanelHeight = 300;

void AddButton(std::int32_t id, const std::string& caption, std::int32_t& y,
               ControlCallback callback) {
    AddControl(kPushButton, Program().MainWindow, id, caption, kButtonColumnX, y, kButtonWidth,
               kButtonHeight, 0, 0, std::move(callback));
    y += kButtonStep;
}

} // namespace

cProgramHost& Host() {
    static cProgramHost host;
    return host;
}

void SeedRandomFromTimeOfDay() {
    const float seconds = static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    SeedRandom(std::bit_cast<std::uint32_t>(seconds));
}

void RegisterPrototypes(LinkListCollection& types) {
    types.ADD(std::make_shared<cCircle>());
    types.ADD(std::make_shared<cRectangle>());
    types.ADD(std::make_shared<cTriangle>());
}

KindPluginReport RegisterKinds(LinkListCollection& types) {
    RegisterPrototypes(types);
    return LoadKindPlugins(KindFolders(), types, kMostShapeKinds);
}

void BuildMainWindow() {
    ProgramState& program = Program();
    program.MainWindow =
        NewDialog(kPixelUnits, 0, "Kestrune", kMainWindowX, kMainWindowY, kMainWindowWidth,
                  kMainWindowHeight, kMainWindowStyle, Style::ExControlParent);
    // The callback owns the drawing area's input state, drag in progress included.
    auto input = std::make_shared<cDrawingAreaInput>(Host());
    AddControl(kGraphicControl, program.MainWindow, kDrawingAreaId, "", 0, 0, kDrawingSize,
               kDrawingSize, kDrawingAreaStyle, 0,
               [input](WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                       std::int32_t lParam) {
                   return input->OnDrawingArea(dialog, message, wParam, lParam);
               });
    GraphicAttach(program.MainWindow, kDrawingAreaId, false);
    GraphicClear(MakeRgb(255, 255, 255), 0);
    GraphicDetach();

    std::int32_t y = kButtonColumnTop;
    const std::int32_t kinds = program.ShapeTypes.COUNT();
    for (std::int32_t i = 1; i <= kinds; ++i)
        AddButton(kShapeButtonBase + i, std::string(program.ShapeTypes.ITEM(i)->ShapeName()), y,
                  OnShapeButton);
    AddButton(kShapeButtonBase + kinds + 1, "Clear", y, OnClear);
    AddButton(
        kShapeButtonBase + kinds + 2, "Save", y,
        [](WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) { return OnSave(Host()); });
    AddButton(
        kShapeButtonBase + kinds + 3, "Load", y,
        [](WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) { return OnLoad(Host()); });

    program.ViewPanel =
        NewDialog(kPixelUnits, program.MainWindow, "", kViewPanelX, kViewPanelY, kViewPanelWidth,
                  kViewPanelHeight, kViewPanelStyle, Style::ExClientEdge);
    program.ViewManager = std::make_unique<cViewManager>();
    program.ViewManager->SetContainer(program.ViewPanel);
    program.ViewManager->SetAllowEmpty(-1);
    ShowModeless(program.ViewPanel);
    // A drag in progress is one step of its own, ended before the history moves.
    RouteHistoryKeys(
        program.MainWindow,
        [input] {
            input->FinishDrag();
            UndoChange();
        },
        [input] {
            input->FinishDrag();
            RedoChange();
        });
    RouteClipboardKeys(program.MainWindow, [input](ClipboardKey key) {
        input->FinishDrag();
        OnClipboardKey(key, Program().MainWindow, Host());
    });
    // A file dropped opens as Load opens the file chosen.
    AcceptFileDrops(program.MainWindow, [input](const std::string& name) {
        input->FinishDrag();
        Host().CloseView();
        OpenDrawingFile(Host(), name);
        Host().Redraw();
    });
    RouteMenuKeys(program.MainWindow, GetControl(program.MainWindow, kDrawingAreaId));
    ExposeDrawing(program.MainWindow, kDrawingAreaId, DrawingAccess());
}

void StartUp() {
    SeedRandomFromTimeOfDay();
    ResetProgram();
    PrintRefusals(RegisterKinds(Program().ShapeTypes));
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
