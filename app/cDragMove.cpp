#include "app/cDragMove.h"

#include "app/DrawingChanges.h"
#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "shapes/Int32Wrap.h"
#include "shapes/cShapeEditDialog.h"
#include "text/NumberText.h"
#include "ui/DialogService.h"

#include <algorithm>
#include <cstdlib>

namespace {
// The pointer's reach within the drawing area: its client pixels inside the 1-pixel border.
constexpr std::int32_t kAreaFirst = 1;
constexpr std::int32_t kAreaLast = kDrawingSize - 2;

ClientPoint WithinArea(ClientPoint at) {
    return {std::clamp(at.x, kAreaFirst, kAreaLast), std::clamp(at.y, kAreaFirst, kAreaLast)};
}
} // namespace

void cDragMove::Press(std::int32_t position, ClientPoint at, bool onOutline) {
    Release(); // one whose release never came
    resizing_ = onOutline;
    shape_ = Program().Shapes.ITEM(position);
    position_ = position;
    start_ = at;
    before_ = shape_ ? shape_->Values() : ShapeValues();
    moving_ = false;
}

// The shape may have left its place meanwhile.
bool cDragMove::StillThere() const {
    return shape_ && PositionOf(*shape_) == position_;
}

void cDragMove::Move(ClientPoint at) {
    if (!StillThere())
        return;
    at = WithinArea(at);
    const std::int64_t distance =
        std::llabs(std::int64_t{at.x} - start_.x) + std::llabs(std::int64_t{at.y} - start_.y);
    if (!moving_ && distance <= DragDistance())
        return;
    if (!moving_) {
        moving_ = true;
        BeginDragLayers(Program().MainWindow, kDrawingAreaId, Program().Shapes, position_);
    }
    Follow(at);
}

void cDragMove::Follow(ClientPoint at) {
    ShapeValues values = before_;
    if (resizing_) {
        values =
            shape_->FollowOutline(before_, {start_.x, start_.y}, {at.x, at.y}).value_or(before_);
    } else {
        values[0] = Add32(values[0], Sub32(at.x, start_.x));
        values[1] = Add32(values[1], Sub32(at.y, start_.y));
    }
    SetShapeValues(position_, values);
    DrawDragFrame(Program().MainWindow, kDrawingAreaId, *shape_);
    ShowInEditor(values);
}

// The editor shows the live position, or all the live values of a resize.
void cDragMove::ShowInEditor(const ShapeValues& values) {
    const WindowHandle editor = Program().ViewManager->Current();
    const std::size_t shown = resizing_ ? values.size() : 2;
    for (std::size_t i = 0; i < shown; ++i)
        SetText(GetControl(editor, cShapeEditDialog::kFirstBoxId + static_cast<std::int32_t>(i)),
                FormatNumber(values[i], "0"));
}

void cDragMove::Release() {
    if (moving_) {
        EndDragLayers(Program().MainWindow, kDrawingAreaId);
        if (StillThere())
            resizing_ ? RecordResize(position_, before_) : RecordMove(position_, before_);
    }
    shape_.reset();
    moving_ = false;
}

void cDragMove::Cancel() {
    if (moving_ && StillThere()) {
        EndDragLayers(Program().MainWindow, kDrawingAreaId);
        SetShapeValues(position_, before_);
        RedrawShapes();
        DrawHighlighted(Program().MainWindow, kDrawingAreaId, *shape_);
        ShowInEditor(before_);
        moving_ = false;
    }
    Release();
}
