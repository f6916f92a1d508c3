#include "ui/AccessibleDrawing.h"

#include "text/QtText.h"
#include "ui/AccessibleItem.h"
#include "ui/GraphicControl.h"

cAccessibleDrawing::cAccessibleDrawing(GraphicControl* control)
    : QAccessibleWidget(control, QAccessible::Canvas) {}

cAccessibleDrawing::~cAccessibleDrawing() {
    ForgetChildren();
}

GraphicControl* cAccessibleDrawing::Control() const {
    return static_cast<GraphicControl*>(widget());
}

QString cAccessibleDrawing::text(QAccessible::Text kind) const {
    const iDrawingAccess* access = Control()->Access();
    if (access && kind == QAccessible::Name)
        return ToQt(access->Name());
    if (access && kind == QAccessible::Description)
        return ToQt(access->Description());
    return QAccessibleWidget::text(kind);
}

int cAccessibleDrawing::childCount() const {
    const iDrawingAccess* access = Control()->Access();
    return access ? access->Count() : 0;
}

QAccessibleInterface* cAccessibleDrawing::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto made = children_.find(index); made != children_.end())
        return QAccessible::accessibleInterface(made->second);
    auto* item = new cAccessibleItem(Control(), index);
    children_[index] = QAccessible::registerAccessibleInterface(item);
    return item;
}

int cAccessibleDrawing::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const cAccessibleItem*>(child);
    return item && item->parent() == this ? item->Index() : -1;
}

// The first item in reading order whose box holds the point: the one on top.
QAccessibleInterface* cAccessibleDrawing::childAt(int x, int y) const {
    const iDrawingAccess* access = Control()->Access();
    if (!access || !rect().contains(x, y))
        return nullptr;
    const QPoint at = Control()->mapFromGlobal(QPoint(x, y)) - Control()->PictureRect().topLeft();
    for (std::int32_t position = 1; position <= access->Count(); ++position) {
        const std::optional<DrawingBox> box = access->ItemBox(position);
        if (box && box->left <= at.x() && at.x() < box->right && box->top <= at.y() &&
            at.y() < box->bottom)
            return child(position - 1);
    }
    return nullptr;
}

QAccessibleInterface* cAccessibleDrawing::focusChild() const {
    const iDrawingAccess* access = Control()->Access();
    if (!access || !Control()->hasFocus() || access->Selected() == 0)
        return nullptr;
    return child(access->Selected() - 1);
}

void cAccessibleDrawing::ForgetChildren() {
    for (const auto& [index, id] : children_)
        QAccessible::deleteAccessibleInterface(id);
    children_.clear();
}
