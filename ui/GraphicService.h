#pragma once

#include "ui/GraphicTypes.h"
#include "ui/WindowTypes.h"

#include <cstdint>
#include <span>

// Drawing on graphic controls. A thread attaches one surface as its current target and
// every drawing operation acts on it; with no live target an operation does nothing.

// The colour red + 256 * green + 65536 * blue, each component clamped to 0..255.
RgbColor MakeRgb(std::int32_t red, std::int32_t green, std::int32_t blue);

// Makes control id of the dialog the current target. When it is no graphic control, the
// thread is left without a target and GraphicLastError() gives 5.
void GraphicAttach(WindowHandle dialog, std::int32_t id, bool deferred);
void GraphicDetach();
void GraphicClear(RgbColor color = kDefaultColor, std::int32_t fillStyle = 0);
void GraphicSetWidth(std::int32_t width);
void GraphicEllipse(float x1, float y1, float x2, float y2, RgbColor outline = kDefaultColor,
                    RgbColor fill = kDefaultColor, std::int32_t fillStyle = 0);
// Fill mode 0 is the winding rule, anything else alternate. Draws nothing outside
// 2..1024 points.
void GraphicPolygon(std::span<const PolygonPoint> points, RgbColor outline = kDefaultColor,
                    RgbColor fill = kDefaultColor, std::int32_t fillStyle = 0,
                    std::int32_t fillMode = 0);
// Shows the whole bitmap now.
void GraphicRedraw();
// Pictures kept for later: GraphicKeep keeps a copy of the bitmap in a slot,
// GraphicRestore makes a kept copy the bitmap again (cheaply; false when there is none),
// GraphicForget drops it.
void GraphicKeep(std::int32_t slot);
bool GraphicRestore(std::int32_t slot);
void GraphicForget(std::int32_t slot);
// Drawing changes only the pixels left..right, top..bottom (inclusive) until
// GraphicUnclip.
void GraphicClip(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
void GraphicUnclip();
// Between GraphicBeginCoverage and GraphicEndCoverage drawing paints nothing but marks
// the pixels it would paint; GraphicCovered tells whether every pixel of the clip is
// marked, so that what lies beneath cannot show.
void GraphicBeginCoverage();
bool GraphicCovered();
void GraphicEndCoverage();

constexpr std::int32_t kErrorNotGraphicControl = 5;
std::int32_t GraphicLastError();

// A new graphic control becomes the target of a thread that has none.
void AdoptAsTargetIfNone(WindowHandle control);
