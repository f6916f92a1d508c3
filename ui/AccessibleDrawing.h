#pragma once

#include <QAccessibleWidget>

#include <unordered_map>

class GraphicControl;

// A graphic control that shows a drawing, for assistive technology: a canvas named and
// described by the control's iDrawingAccess, with one child per item, in reading order.
// Children are made when first asked for and kept until the drawing changes, so a large
// drawing costs nothing until its items are read.
class cAccessibleDrawing : public QAccessibleWidget {
  public:
    explicit cAccessibleDrawing(GraphicControl* control);
    ~cAccessibleDrawing() override;

    QAccessible::Role role() const override { return QAccessible::Canvas; }
    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Drops the children made so far: the items they stood for may have moved.
    void ForgetChildren();
    int ChildrenMade() const { return static_cast<int>(children_.size()); }

  private:
    GraphicControl* Control() const;

    mutable std::unordered_map<int, QAccessible::Id> children_;
};
