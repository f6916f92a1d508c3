#pragma once

#include <QByteArray>
#include <QRectF>

#include <functional>

class GraphicSurface;

// What draw paints on the surface, recorded as an SVG picture of the part given (in the
// drawing's pixels) that states its size in pixels. Empty when it could not be recorded.
QByteArray RecordSvg(GraphicSurface& surface, QRectF part, const std::function<void()>& draw);
