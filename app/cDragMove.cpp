#include "app/cDragMove.h"

#include "app/DrawingChanges.h"
#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "shapes/Int32Wrap.h"
#include "shapes/cShapeEditDialog.h"
#include "text/NumberText.h"
#include "ui/DialogService.h"

#include <cstdlib>

void cDragMove::Press(std::int32_t position, ClientPoint at) {
    shape_ = Program().Shapes.ITEM(position);
    position_ = position;
    start_ = at;
    before_ = shape_ ? shape_->Values() : ShapeValues();
    moving_ = false;
}

void cDragMove::Move(ClientPoint at) {
    // The shape may have left its place meanwhile (an undo from the keyboard).
    if (!shape_ || PositionOf(*shape_) != position_)
        return;
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
    values[0] = Add32(values[0], Sub32(at.x, start_.x));
    values[1] = Add32(values[1], Sub32(at.y, start_.y));
    SetShapeValues(position_, values);
    DrawDragFrame(Program().MainWindow, kDrawingAreaId, *shape_);
    // The editor shows the live position.
    const WindowHandle editor = Program().ViewManager->Current();
    SetText(GetControl(editor, cShapeEditDialog::kFirstBoxId), FormatNumber(values[0], "0"));
    SetText(GetControl(editor, cShapeEditDialog::kFirstBoxId + 1), FormatNumber(values[1], "0"));
}

void cDragMove::Release() {
    if (moving_) {
        EndDragLayers(Program().MainWindow, kDrawingAreaId);
        if (shape_ && PositionOf(*shape_) == position_)
            RecordMove(position_, before_);
    }
    shape_.reset();
    moving_ = false;
}
