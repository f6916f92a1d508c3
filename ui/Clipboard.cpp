#include "ui/Clipboard.h"

#include "text/QtText.h"
#include "ui/GraphicControl.h"
#include "ui/SvgPicture.h"
#include "ui/WindowRegistry.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

namespace {

// The bounds of the pixels that are not white; empty when there are none.
QRect PaintedPart(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    int left = rgb.width(), top = rgb.height(), right = -1, bottom = -1;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((line[x] & RGB_MASK) == RGB_MASK)
                continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QByteArray Png(const QImage& picture) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    picture.save(&bytes, "PNG");
    return bytes.data();
}

} // namespace

void CopyToClipboard(const std::string& text, WindowHandle dialog, std::int32_t id,
                     const std::function<void()>& draw) {
    auto data = std::make_unique<QMimeData>();
    data->setText(ToQt(text));
    if (GraphicControl* control = GraphicControlOf(Windows().FirstControl(dialog, id))) {
        GraphicSurface& surface = control->Surface();
        draw();
        const QImage& bitmap = surface.Bitmap();
        const QRect part = PaintedPart(bitmap);
        if (!part.isEmpty()) {
            data->setData(QStringLiteral("image/png"), Png(bitmap.copy(part)));
            const qreal ratio = bitmap.devicePixelRatio();
            const QRectF shown(part.topLeft() / ratio, part.size() / ratio);
            data->setData(QStringLiteral("image/svg+xml"), RecordSvg(surface, shown, draw));
        }
    }
    QGuiApplication::clipboard()->setMimeData(data.release()); // the clipboard owns it
}

std::string ClipboardText() {
    return FromQt(QGuiApplication::clipboard()->text());
}
