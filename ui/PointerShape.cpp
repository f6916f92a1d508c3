#include "ui/PointerShape.h"

#include "ui/WindowRegistry.h"

#include <QWidget>

void SetPointerShape(WindowHandle control, PointerShape shape) {
    QWidget* widget = WindowWidget(control);
    if (!widget)
        return;
    switch (shape) {
    case PointerShape::Ordinary:
        return widget->unsetCursor();
    case PointerShape::ResizeAcross:
        return widget->setCursor(Qt::SizeHorCursor);
    case PointerShape::ResizeUpDown:
        return widget->setCursor(Qt::SizeVerCursor);
    case PointerShape::ResizeFalling: // top left to bottom right
        return widget->setCursor(Qt::SizeFDiagCursor);
    case PointerShape::ResizeRising:
        return widget->setCursor(Qt::SizeBDiagCursor);
    }
}
