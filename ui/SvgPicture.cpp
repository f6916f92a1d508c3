#include "ui/SvgPicture.h"

#include "ui/GraphicSurface.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace {

// The generator states the size in millimetres, which renderers turn into pixels at a
// resolution of their own; the drawing is measured in pixels, so the picture says so.
QByteArray SizedInPixels(const QByteArray& svg, QSize size) {
    static const QRegularExpression kStatedSize(
        QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    return QString::fromUtf8(svg)
        .replace(
            kStatedSize,
            QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height()))
        .toUtf8();
}

} // namespace

QByteArray RecordSvg(GraphicSurface& surface, QRectF part, const std::function<void()>& draw) {
    QByteArray picture;
    QBuffer buffer(&picture);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(part.size().toSize());
    svg.setViewBox(part);
    svg.setTitle(QStringLiteral("Kestrune drawing"));
    QPainter painter(&svg);
    surface.RecordInto(&painter);
    draw();
    surface.RecordInto(nullptr);
    if (!painter.end())
        return {};
    return SizedInPixels(picture, part.size().toSize());
}
