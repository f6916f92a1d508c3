#include "ui/DrawingExposure.h"

#include "ui/AccessibleDrawing.h"
#include "ui/DialogService.h"
#include "ui/GraphicControl.h"

namespace {

QAccessibleInterface* DrawingInterface(const QString& className, QObject* object) {
    auto* control = qobject_cast<GraphicControl*>(object);
    if (className != QLatin1String("GraphicControl") || !control || !control->Access())
        return nullptr;
    return new cAccessibleDrawing(control);
}

GraphicControl* ControlOf(WindowHandle dialog, std::int32_t id) {
    return GraphicControlOf(GetControl(dialog, id));
}

void Tell(GraphicControl& control, QAccessible::Event what, std::int32_t position = 0) {
    QAccessibleEvent event(&control, what);
    if (position > 0)
        event.setChild(position - 1);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void ExposeDrawing(WindowHandle dialog, std::int32_t id, iDrawingAccess& access) {
    GraphicControl* control = ControlOf(dialog, id);
    if (!control)
        return;
    control->SetAccess(&access);
    control->setFocusPolicy(Qt::StrongFocus);
    // What the window focuses first stays what it was before the control took Tab.
    QWidget* window = control->window();
    QWidget* first = window->nextInFocusChain();
    while (first != window && (first == control || !(first->focusPolicy() & Qt::TabFocus)))
        first = first->nextInFocusChain();
    if (first != window && !window->focusWidget())
        first->setFocus(Qt::OtherFocusReason);
    QAccessible::removeFactory(DrawingInterface); // installed once
    QAccessible::installFactory(DrawingInterface);
    // An interface made before (the control's name was set) gives way to one from access.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void ReportDrawingChanged(WindowHandle dialog, std::int32_t id) {
    GraphicControl* control = ControlOf(dialog, id);
    if (!control || !control->Access())
        return;
    if (auto* drawing =
            dynamic_cast<cAccessibleDrawing*>(QAccessible::queryAccessibleInterface(control)))
        drawing->ForgetChildren();
    Tell(*control, QAccessible::ObjectReorder);
    Tell(*control, QAccessible::DescriptionChanged);
}

void ReportItemChanged(WindowHandle dialog, std::int32_t id, std::int32_t position) {
    if (GraphicControl* control = ControlOf(dialog, id); control && control->Access())
        Tell(*control, QAccessible::NameChanged, position);
}

void ReportItemSelected(WindowHandle dialog, std::int32_t id, std::int32_t position) {
    if (GraphicControl* control = ControlOf(dialog, id); control && control->Access()) {
        Tell(*control, QAccessible::Selection, position);
        Tell(*control, QAccessible::Focus, position);
    }
}
