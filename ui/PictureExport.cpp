#include "ui/PictureExport.h"

#include "text/QtText.h"
#include "ui/GraphicControl.h"
#include "ui/WindowRegistry.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

bool WriteSvg(GraphicSurface& surface, QSaveFile& file, const std::function<void()>& draw) {
    const QSize size = surface.Bitmap().deviceIndependentSize().toSize();
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Kestrune drawing"));
    QPainter painter(&svg);
    surface.RecordInto(&painter);
    draw();
    surface.RecordInto(nullptr);
    return painter.end();
}

} // namespace

std::string ExportPicture(WindowHandle dialog, std::int32_t id, const std::string& path,
                          const std::function<void()>& draw) {
    const QString name = ToQt(path);
    const QString kind = QFileInfo(name).suffix().toLower();
    if (kind != QLatin1String("png") && kind != QLatin1String("svg"))
        return "the name must end in .png or .svg";
    GraphicControl* control = GraphicControlOf(Windows().FirstControl(dialog, id));
    if (!control)
        return "there is no drawing to export";
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return FromQt(file.errorString());
    GraphicSurface& surface = control->Surface();
    bool painted = false;
    if (kind == QLatin1String("svg")) {
        painted = WriteSvg(surface, file, draw);
    } else {
        draw();
        painted = surface.Bitmap().save(&file, "PNG");
    }
    if (!painted) {
        file.cancelWriting();
        return "the picture could not be written";
    }
    return file.commit() ? std::string() : FromQt(file.errorString());
}
