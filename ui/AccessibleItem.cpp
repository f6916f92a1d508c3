#include "ui/AccessibleItem.h"

#include "text/QtText.h"
#include "ui/GraphicControl.h"

#include <algorithm>

cAccessibleItem::cAccessibleItem(GraphicControl* control, int index)
    : control_(control), index_(index) {}

bool cAccessibleItem::isValid() const {
    return control_ && control_->Access() && Position() <= control_->Access()->Count();
}

QWindow* cAccessibleItem::window() const {
    return control_ ? control_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* cAccessibleItem::parent() const {
    return QAccessible::queryAccessibleInterface(control_.data());
}

QString cAccessibleItem::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name || !isValid())
        return {};
    return ToQt(control_->Access()->ItemName(Position()));
}

QRect cAccessibleItem::rect() const {
    if (!isValid())
        return {};
    const std::optional<DrawingBox> box = control_->Access()->ItemBox(Position());
    if (!box)
        return {};
    const QRect picture = control_->PictureRect();
    const auto clip = [](std::int64_t value, int high) {
        return static_cast<int>(std::clamp<std::int64_t>(value, 0, high));
    };
    const int left = clip(box->left, picture.width()), right = clip(box->right, picture.width());
    const int top = clip(box->top, picture.height()), bottom = clip(box->bottom, picture.height());
    if (left >= right || top >= bottom)
        return {};
    return QRect(left, top, right - left, bottom - top)
        .translated(control_->mapToGlobal(picture.topLeft()));
}

QAccessible::State cAccessibleItem::state() const {
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selected = control_->Access()->IsSelected(Position());
    state.focused = state.selected && control_->hasFocus();
    state.invisible = rect().isEmpty();
    return state;
}
