#include "ui/ControlKeys.h"

#include <QKeyEvent>

namespace {

std::uint32_t PlainKey(int key) {
    switch (key) {
    case Qt::Key_Tab:
        return kKeyTab;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_Delete:
        return kKeyDelete;
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_F2:
        return kKeyF2;
    default:
        return kKeyNone;
    }
}

} // namespace

std::uint32_t ControlKeyOf(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return kKeyNone;
    if (event.key() == Qt::Key_Backtab)
        return kKeyTab | kKeyShift;
    const std::uint32_t key = PlainKey(event.key());
    const bool shift = (event.modifiers() & Qt::ShiftModifier) != 0;
    return key != kKeyNone && shift ? key | kKeyShift : key;
}
