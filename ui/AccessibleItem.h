#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class GraphicControl;

// One item of the drawing on a graphic control, for assistive technology: made only when
// asked for, it reads everything from the control's iDrawingAccess at the time of asking.
class cAccessibleItem : public QAccessibleInterface {
  public:
    cAccessibleItem(GraphicControl* control, int index);

    int Index() const { return index_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    // The item's box on the screen, clipped to the picture.
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

  private:
    std::int32_t Position() const { return index_ + 1; }

    QPointer<GraphicControl> control_;
    int index_; // from 0, as Qt counts children
};
