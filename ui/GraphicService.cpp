#include "ui/GraphicService.h"

#include "text/SpinGuard.h"
#include "ui/GraphicControl.h"
#include "ui/WindowRegistry.h"

#include <algorithm>
#include <atomic>

namespace {

thread_local WindowHandle t_target = 0;
thread_local std::int32_t t_lastError = 0;
// One process-wide lock around every graphic operation.
std::atomic_flag g_busy = ATOMIC_FLAG_INIT;

// The current target's surface, or nullptr when there is none or it is gone.
GraphicSurface* Target() {
    GraphicControl* control = GraphicControlOf(t_target);
    return control ? &control->Surface() : nullptr;
}

} // namespace

RgbColor MakeRgb(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return std::clamp(red, 0, 255) + 256 * std::clamp(green, 0, 255) +
           65536 * std::clamp(blue, 0, 255);
}

void GraphicAttach(WindowHandle dialog, std::int32_t id, bool deferred) {
    const SpinGuard lock(g_busy);
    const WindowHandle found = Windows().FirstControl(dialog, id);
    GraphicControl* control = GraphicControlOf(found);
    if (!control) {
        t_target = 0;
        t_lastError = kErrorNotGraphicControl;
        return;
    }
    t_target = found;
    control->Surface().SetDeferred(deferred);
}

void GraphicDetach() {
    const SpinGuard lock(g_busy);
    t_target = 0;
}

void GraphicClear(RgbColor color, std::int32_t fillStyle) {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target())
        surface->Clear(color, fillStyle);
}

void GraphicSetWidth(std::int32_t width) {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target())
        surface->SetPenWidth(width);
}

void GraphicEllipse(float x1, float y1, float x2, float y2, RgbColor outline, RgbColor fill,
                    std::int32_t fillStyle) {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target())
        surface->Ellipse(x1, y1, x2, y2, outline, fill, fillStyle);
}

void GraphicPolygon(std::span<const PolygonPoint> points, RgbColor outline, RgbColor fill,
                    std::int32_t fillStyle, std::int32_t fillMode) {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target())
        surface->Polygon(points, outline, fill, fillStyle, fillMode);
}

void GraphicRedraw() {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target())
        surface->Redraw();
}

void GraphicKeep(std::int32_t slot) {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target(); surface && slot >= 0)
        surface->Keep(static_cast<std::size_t>(slot));
}

bool GraphicRestore(std::int32_t slot) {
    const SpinGuard lock(g_busy);
    GraphicSurface* surface = Target();
    return surface && slot >= 0 && surface->Restore(static_cast<std::size_t>(slot));
}

void GraphicForget(std::int32_t slot) {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target(); surface && slot >= 0)
        surface->Forget(static_cast<std::size_t>(slot));
}

void GraphicClip(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target())
        surface->SetClip(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void GraphicUnclip() {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target())
        surface->SetClip(QRect());
}

void GraphicBeginCoverage() {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target())
        surface->BeginCoverage();
}

bool GraphicCovered() {
    const SpinGuard lock(g_busy);
    const GraphicSurface* surface = Target();
    return surface && surface->Covered();
}

void GraphicEndCoverage() {
    const SpinGuard lock(g_busy);
    if (GraphicSurface* surface = Target())
        surface->EndCoverage();
}

std::int32_t GraphicLastError() {
    return t_lastError;
}

void AdoptAsTargetIfNone(WindowHandle control) {
    const SpinGuard lock(g_busy);
    if (!GraphicControlOf(t_target))
        t_target = control;
}
