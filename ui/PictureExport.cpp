#include "ui/PictureExport.h"

#include "text/QtText.h"
#include "ui/GraphicControl.h"
#include "ui/SvgPicture.h"
#include "ui/WholeFileWrite.h"
#include "ui/WindowRegistry.h"

#include <QBuffer>
#include <QFileInfo>

namespace {

bool PaintSvg(GraphicSurface& surface, QByteArray& picture, const std::function<void()>& draw) {
    const QSize size = surface.Bitmap().deviceIndependentSize().toSize();
    picture = RecordSvg(surface, QRectF(QPoint(0, 0), size), draw);
    return !picture.isEmpty();
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
