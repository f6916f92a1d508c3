#pragma once

#include "ui/GraphicTypes.h"

#include <QImage>
#include <QRect>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class QPainter;
class QWidget;

// The off-screen bitmap of one graphic control. Drawing changes the bitmap; the part of
// it that changed reaches the screen image (what the control paints) at once, or, in
// deferred mode, only at Redraw, so a whole picture appears in one update.
class GraphicSurface {
  public:
    GraphicSurface(QWidget* control, QSize clientSize, QPoint clientOffset, qreal pixelRatio);

    void SetDeferred(bool deferred) { deferred_ = deferred; }
    void SetPenWidth(std::int32_t width) { penWidth_ = width; }
    RgbColor BackColor() const { return backColor_; }
    RgbColor ForeColor() const { return foreColor_; }
    QRect Dirty() const { return dirty_; }

    void Clear(RgbColor color, std::int32_t fillStyle);
    void Ellipse(float x1, float y1, float x2, float y2, RgbColor outline, RgbColor fill,
                 std::int32_t fillStyle);
    void Polygon(std::span<const PolygonPoint> points, RgbColor outline, RgbColor fill,
                 std::int32_t fillStyle, std::int32_t fillMode);
    void Redraw();
    // Pictures kept for later: Keep keeps a copy of the bitmap in a slot, Restore makes it
    // the bitmap again (false when the slot is empty, or while recording, which never
    // paints the bitmap), Forget empties the slot.
    void Keep(std::size_t slot);
    bool Restore(std::size_t slot);
    void Forget(std::size_t slot);
    // While the clip is not empty, drawing changes nothing outside it.
    void SetClip(QRect clip) { clip_ = clip; }
    // Between BeginCoverage and EndCoverage, primitives paint nothing on the bitmap but
    // mark the pixels they would paint; Covered tells whether every pixel of the clip is
    // marked.
    void BeginCoverage();
    bool Covered() const;
    void EndCoverage() { covering_ = false; }
    // While set, primitives paint on this painter (a picture being recorded) instead of
    // the bitmap; nullptr paints on the bitmap again.
    void RecordInto(QPainter* painter) { recorder_ = painter; }

    const QImage& Bitmap() const { return bitmap_; }
    const QImage& ScreenImage() const { return screen_; }

  private:
    void Changed(QRect rect);
    void ShowOnScreen(QRect rect);

    QWidget* control_;
    QPoint clientOffset_;
    QImage bitmap_;
    QImage screen_;
    QImage coverage_;
    QRect clip_;
    bool covering_ = false;
    std::vector<QImage> kept_;
    QPainter* recorder_ = nullptr;
    QRect dirty_;
    QRect drawn_; // what was drawn since the last Restore
    std::size_t restored_ = SIZE_MAX;
    RgbColor foreColor_;
    RgbColor backColor_;
    std::int32_t penWidth_ = 0;
    bool deferred_ = false;
};
