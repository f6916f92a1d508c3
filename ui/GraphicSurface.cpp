#include "ui/GraphicSurface.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

constexpr std::int32_t kLargestFillStyle = 6;
constexpr std::size_t kFewestPolygonPoints = 2;
constexpr std::size_t kMostPolygonPoints = 1024;
// Far outside any bitmap, yet safe from overflow in our arithmetic and in the rasteriser.
constexpr long kCoordinateLimit = 1L << 24;

QColor ToQColor(RgbColor color) {
    const auto value = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

RgbColor FromQColor(const QColor& color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

// Nearest pixel, ties to even, as the rest of the program rounds.
int ToPixel(float value) {
    if (!std::isfinite(value))
        return 0;
    const long pixel = std::lrint(std::clamp(value, -static_cast<float>(kCoordinateLimit),
                                             static_cast<float>(kCoordinateLimit)));
    return static_cast<int>(pixel);
}

Qt::BrushStyle HatchOf(std::int32_t fillStyle) {
    switch (fillStyle) {
    case 1:
        return Qt::HorPattern;
    case 2:
        return Qt::VerPattern;
    case 3:
        return Qt::FDiagPattern;
    case 4:
        return Qt::BDiagPattern;
    case 5:
        return Qt::CrossPattern;
    case 6:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

std::int32_t ValidFillStyle(std::int32_t fillStyle) {
    return fillStyle > kLargestFillStyle || fillStyle < 0 ? 0 : fillStyle;
}

// A painter for one primitive: on the bitmap, or on the painter the surface paints into
// instead while it records a picture. Anti-aliasing stays off: every pixel is either the
// outline, the fill or untouched, exactly as the hit tests and the pixel grid see it.
class PrimitivePainter {
  public:
    PrimitivePainter(QImage& bitmap, QPainter* recorder, RgbColor backColor, QRect clip = {})
        : recorder_(recorder) {
        if (recorder_)
            recorder_->save();
        else
            own_.emplace(&bitmap);
        if (!recorder_ && !clip.isEmpty())
            painter().setClipRect(clip);
        painter().setBackground(ToQColor(backColor));
    }
    ~PrimitivePainter() {
        if (recorder_)
            recorder_->restore();
    }
    PrimitivePainter(const PrimitivePainter&) = delete;
    PrimitivePainter& operator=(const PrimitivePainter&) = delete;

    QPainter& painter() { return recorder_ ? *recorder_ : *own_; }
    // Coverage: every colour the primitive would paint becomes this one.
    void PaintAllIn(RgbColor color) {
        single_ = color;
        painter().setBackground(ToQColor(color));
    }
    QPainter* operator->() { return &painter(); }
    void UseOutline(RgbColor outline, std::int32_t penWidth) {
        QPen pen(ToQColor(single_.value_or(outline)), std::max(1, penWidth));
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        painter().setPen(pen);
    }
    void UseFill(RgbColor fill, std::int32_t fillStyle) {
        if (fill == kNoFill) {
            painter().setBrush(Qt::NoBrush);
            return;
        }
        const Qt::BrushStyle style = HatchOf(ValidFillStyle(fillStyle));
        // Hatch gaps are painted in the background colour. Only then: the opaque mode
        // also moves the edges of solid shapes.
        if (style != Qt::SolidPattern)
            painter().setBackgroundMode(Qt::OpaqueMode);
        painter().setBrush(QBrush(ToQColor(single_.value_or(fill)), style));
    }

  private:
    QPainter* recorder_;
    std::optional<QPainter> own_;
    std::optional<RgbColor> single_;
};

constexpr RgbColor kMarked = 0xFFFFFF;

} // namespace

GraphicSurface::GraphicSurface(QWidget* control, QSize clientSize, QPoint clientOffset,
                               qreal pixelRatio)
    : control_(control), clientOffset_(clientOffset),
      bitmap_(clientSize * pixelRatio, QImage::Format_RGB32),
      foreColor_(FromQColor(control->palette().color(QPalette::WindowText))),
      backColor_(FromQColor(control->palette().color(QPalette::Window))) {
    bitmap_.setDevicePixelRatio(pixelRatio);
    bitmap_.fill(ToQColor(backColor_));
    screen_ = bitmap_;
}

void GraphicSurface::Clear(RgbColor color, std::int32_t fillStyle) {
    {
        PrimitivePainter painter(bitmap_, recorder_, backColor_, clip_);
        painter->setPen(Qt::NoPen);
        painter.UseFill(color == kDefaultColor ? backColor_ : color, fillStyle);
        painter->drawRect(QRect(QPoint(0, 0), bitmap_.deviceIndependentSize().toSize()));
    }
    Changed(clip_.isEmpty() ? bitmap_.rect() : clip_);
}

void GraphicSurface::Ellipse(float x1, float y1, float x2, float y2, RgbColor outline,
                             RgbColor fill, std::int32_t fillStyle) {
    const RgbColor pen = outline == kDefaultColor ? foreColor_ : outline;
    int left = ToPixel(x1), top = ToPixel(y1), right = ToPixel(x2), bottom = ToPixel(y2);
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    {
        PrimitivePainter painter(covering_ ? coverage_ : bitmap_, covering_ ? nullptr : recorder_,
                                 backColor_, clip_);
        if (covering_)
            painter.PaintAllIn(kMarked);
        painter.UseOutline(pen, penWidth_);
        painter.UseFill(fill == kDefaultColor ? pen : fill, fillStyle);
        // The box covers left .. right - 1 and top .. bottom - 1: an aliased ellipse in
        // this floating-point rectangle covers exactly that.
        painter->drawEllipse(QRectF(left, top, right - left - 1, bottom - top - 1));
    }
    if (covering_)
        return;
    const int grow = penWidth_ / 2 + 1;
    Changed(QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-grow, -grow, grow, grow));
}

void GraphicSurface::Polygon(std::span<const PolygonPoint> points, RgbColor outline, RgbColor fill,
                             std::int32_t fillStyle, std::int32_t fillMode) {
    if (points.size() < kFewestPolygonPoints || points.size() > kMostPolygonPoints)
        return;
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PolygonPoint& point : points)
        polygon.append(QPoint(ToPixel(point.x), ToPixel(point.y)));
    const RgbColor pen = outline == kDefaultColor ? foreColor_ : outline;
    {
        PrimitivePainter painter(covering_ ? coverage_ : bitmap_, covering_ ? nullptr : recorder_,
                                 backColor_, clip_);
        if (covering_)
            painter.PaintAllIn(kMarked);
        painter.UseOutline(pen, penWidth_);
        painter.UseFill(fill == kDefaultColor ? pen : fill, fillStyle);
        painter->drawPolygon(polygon, fillMode == 0 ? Qt::WindingFill : Qt::OddEvenFill);
    }
    if (covering_)
        return;
    const int grow = penWidth_ / 2 + 1;
    Changed(polygon.boundingRect().adjusted(-grow, -grow, grow, grow));
}

void GraphicSurface::Forget(std::size_t slot) {
    if (slot < kept_.size())
        kept_[slot] = QImage();
    if (slot == restored_)
        restored_ = SIZE_MAX;
}

void GraphicSurface::Keep(std::size_t slot) {
    if (kept_.size() <= slot)
        kept_.resize(slot + 1);
    if (recorder_) { // the bitmap is not what was drawn: nothing to keep
        Forget(slot);
        return;
    }
    kept_[slot] = bitmap_;
    // The bitmap now equals the slot: a Restore changes only what is drawn from here on.
    restored_ = slot;
    drawn_ = QRect();
}

bool GraphicSurface::Restore(std::size_t slot) {
    if (recorder_ || slot >= kept_.size() || kept_[slot].isNull())
        return false;
    // Restored again, the bitmap differs from what it was only where it was drawn on since.
    const QRect changed = slot == restored_ ? drawn_ : bitmap_.rect();
    bitmap_ = kept_[slot]; // shared until the next drawing, which copies it once
    restored_ = slot;
    Changed(changed);
    drawn_ = QRect();
    return true;
}

void GraphicSurface::BeginCoverage() {
    if (coverage_.size() != bitmap_.size()) {
        coverage_ = QImage(bitmap_.size(), QImage::Format_Grayscale8);
        coverage_.setDevicePixelRatio(bitmap_.devicePixelRatio());
    }
    coverage_.fill(0);
    covering_ = true;
}

bool GraphicSurface::Covered() const {
    const qreal ratio = coverage_.devicePixelRatio();
    const QRect whole = coverage_.rect();
    const QRect area = clip_.isEmpty() ? whole
                                       : QRectF(clip_.x() * ratio, clip_.y() * ratio,
                                                clip_.width() * ratio, clip_.height() * ratio)
                                             .toAlignedRect()
                                             .intersected(whole);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* row = coverage_.constScanLine(y) + area.left();
        if (std::memchr(row, 0, static_cast<std::size_t>(area.width())) != nullptr)
            return false;
    }
    return true;
}

void GraphicSurface::Redraw() {
    // The whole bitmap shows from now on; only what changed needs painting again.
    const QRect changed = dirty_;
    dirty_ = QRect();
    screen_ = bitmap_;
    if (!changed.isEmpty())
        control_->repaint(changed.translated(clientOffset_));
}

void GraphicSurface::Changed(QRect rect) {
    const QRect whole(QPoint(0, 0), bitmap_.deviceIndependentSize().toSize());
    dirty_ = dirty_.united(rect.normalized().intersected(whole));
    drawn_ = drawn_.united(rect.normalized().intersected(whole));
    if (deferred_)
        return;
    const QRect shown = dirty_;
    dirty_ = QRect();
    ShowOnScreen(shown);
}

void GraphicSurface::ShowOnScreen(QRect rect) {
    if (rect.isEmpty())
        return;
    if (rect.size() == bitmap_.deviceIndependentSize().toSize()) {
        screen_ = bitmap_;
    } else {
        QPainter copy(&screen_);
        copy.setCompositionMode(QPainter::CompositionMode_Source);
        const qreal ratio = bitmap_.devicePixelRatio();
        const QRectF source(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                            rect.height() * ratio);
        copy.drawImage(QRectF(rect), bitmap_, source);
    }
    control_->repaint(rect.translated(clientOffset_));
}
