#include "ui/DialogFont.h"

#include "ui/WindowTypes.h"

#include <QApplication>
#include <QFontMetrics>

QFont DialogFont() {
    // An 8-point face keeps the pixel layouts (labels 19, boxes 23, buttons 30) legible.
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

namespace {

// Base units of the dialog font: dialog units are quarters of the average character
// width and eighths of the character height.
QSize DialogBaseUnits() {
    const QFontMetrics metrics(DialogFont());
    const int sample = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(sample / 26 + 1) / 2, metrics.height()};
}

} // namespace

QRect ToPixels(std::int32_t units, QRect rect) {
    if (units == kPixelUnits)
        return rect;
    const QSize base = DialogBaseUnits();
    return {rect.x() * base.width() / 4, rect.y() * base.height() / 8,
            rect.width() * base.width() / 4, rect.height() * base.height() / 8};
}
