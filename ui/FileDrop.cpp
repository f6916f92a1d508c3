#include "ui/FileDrop.h"

#include "text/QtText.h"
#include "ui/WindowRegistry.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

namespace {

// The name of the one local file the data holds, or "".
QString OneLocalFile(const QMimeData* data) {
    if (!data || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    const QString name = data->urls().front().toLocalFile();
    return QFileInfo(name).isDir() ? QString() : name;
}

class FileDropFilter : public QObject {
  public:
    FileDropFilter(QWidget* window, std::function<void(const std::string&)> open)
        : QObject(window), open_(std::move(open)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto& drop = static_cast<QDropEvent&>(*event);
        const QString name = OneLocalFile(drop.mimeData());
        if (name.isEmpty()) {
            drop.ignore();
            return true;
        }
        drop.acceptProposedAction();
        if (type == QEvent::Drop)
            open_(FromQt(name));
        return true;
    }

  private:
    std::function<void(const std::string&)> open_;
};

} // namespace

void AcceptFileDrops(WindowHandle window, std::function<void(const std::string&)> open) {
    QWidget* widget = WindowWidget(window);
    if (!widget)
        return;
    widget->setAcceptDrops(true);
    widget->installEventFilter(new FileDropFilter(widget, std::move(open))); // goes with it
}
