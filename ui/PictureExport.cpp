#include "ui/PictureExport.h"

#include "text/QtText.h"
#include "ui/GraphicControl.h"
#include "ui/WholeFileWrite.h"
#include "ui/WindowRegistry.h"

#include <QBuffer>
#include <QFileInfo>
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

bool PaintSvg(GraphicSurface& surface, QByteArray& picture, const std::function<void()>& draw) {
    const QSize size = surface.Bitmap().deviceIndependentSize().toSize();
    QBuffer buffer(&picture);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Kestrune drawing"));
    QPainter painter(&svg);
    surface.RecordInto(&painter);
    draw();
    surface.RecordInto(nullptr);
    if (!painter.end())
        return false;
    picture = SizedInPixels(picture, size);
    return true;
}

bool PaintPng(GraphicSurface& surface, QByteArray& picture, const std::function<void()>& draw) {
    draw();
    QBuffer buffer(&picture);
    return buffer.open(QIODevice::WriteOnly) && surface.Bitmap().save(&buffer, "PNG");
}

} // namespace

std::string ExportPicture(WindowHandle dialog, std::int32_t id, const std::string& path,
                          const std::function<void()>& draw) {
    const QString kind = QFileInfo(ToQt(path)).suffix().toLower();
    if (kind != QLatin1String("png") && kind != QLatin1String("svg"))
        return "the name must end in .png or .svg";
    GraphicControl* control = GraphicControlOf(Windows().FirstControl(dialog, id));
    if (!control)
        return "there is no drawing to export";
    QByteArray picture;
    const bool painted = kind == QLatin1String("svg") ? PaintSvg(control->Surface(), picture, draw)
                                                      : PaintPng(control->Surface(), picture, draw);
    if (!painted)
        return "the picture could not be written";
    return WriteWholeFile(
        path, std::string_view(picture.constData(), static_cast<std::size_t>(picture.size())));
}
