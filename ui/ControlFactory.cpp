#include "ui/ControlFactory.h"

#include "ui/GraphicControl.h"
#include "ui/QtText.h"
#include "ui/WindowWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QWidget* CreateControlWidget(const ControlRecord& record, const std::string& caption,
                             QWidget* client) {
    switch (record.kind) {
    case kPushButton: {
        auto* button = new QPushButton(ToQt(caption), client);
        button->setFocusPolicy((record.style & Style::TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
        button->setDefault((record.style & Style::DefaultButton) != 0);
        const WindowHandle handle = record.handle;
        QObject::connect(button, &QPushButton::clicked, button,
                         [handle] { RouteCommand(handle, Notification::Clicked); });
        return button;
    }
    case kLabel: {
        auto* label = new QLabel(ToQt(caption), client);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case kTextBox: {
        auto* box = new QLineEdit(ToQt(caption), client);
        box->setFocusPolicy((record.style & Style::TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
        return box;
    }
    case kGraphicControl:
        return new GraphicControl(record.handle, record.style, client);
    default:
        return nullptr;
    }
}

std::uint32_t ControlStyle(std::int32_t kind, std::uint32_t style, std::uint32_t& exStyle) {
    if (style == 0) {
        switch (kind) {
        case kPushButton:
            style = 0x50010000;
            break;
        case kLabel:
            style = 0x50000000;
            break;
        case kTextBox:
            style = 0x50810080 & ~Style::Border;
            exStyle |= Style::ExClientEdge;
            break;
        case kGraphicControl:
            style = 0x5001000D;
            break;
        default:
            break;
        }
    }
    return style | (kind == kGraphicControl ? 0x5000000Du : 0x50000000u);
}

// Screen readers name a text box by the label just before it.
void LinkToPrecedingLabel(const DialogRecord& dialog, QWidget* widget) {
    if (dialog.controls.empty() || !qobject_cast<QLineEdit*>(widget))
        return;
    const ControlRecord* previous = Windows().Control(dialog.controls.back());
    if (auto* label = previous ? qobject_cast<QLabel*>(previous->widget.data()) : nullptr) {
        label->setBuddy(widget);
        widget->setAccessibleName(label->text());
    }
}
