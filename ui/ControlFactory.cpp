#include "ui/ControlFactory.h"

#include "text/QtText.h"
#include "ui/GraphicControl.h"

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
            style = Style::Child | Style::Visible | Style::TabStop;
            break;
        case kLabel:
            style = Style::Child | Style::Visible;
            break;
        case kTextBox:
            style = Style::Child | Style::Visible | Style::TabStop | Style::AutoHScroll;
            exStyle |= Style::ExClientEdge;
            break;
        case kGraphicControl:
            style = Style::Child | Style::Visible | Style::TabStop | Style::OwnerDraw;
            break;
        default:
            break;
        }
    }
    const std::uint32_t always = Style::Child | Style::Visible;
    return style | always | (kind == kGraphicControl ? Style::OwnerDraw : 0u);
}

void LinkToPrecedingLabel(const DialogRecord& dialog, QWidget* widget) {
    if (dialog.controls.empty() || !qobject_cast<QLineEdit*>(widget))
        return;
    const ControlRecord* previous = Windows().Control(dialog.controls.back());
    if (auto* label = previous ? qobject_cast<QLabel*>(previous->widget.data()) : nullptr) {
        label->setBuddy(widget);
        widget->setAccessibleName(label->text());
    }
}
