#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "ui/DialogService.h"
#include "ui/DialogWindow.h"
#include "ui/GraphicControl.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
constexpr int kPollMs = 10;
constexpr int kGiveUpMs = 5000;

void Poll(const QString& title, std::function<void(QWidget*)> action, int waited) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle() == title) {
            action(window);
            return;
        }
    }
    if (waited >= kGiveUpMs) {
        QTest::qFail(qPrintable("no window titled " + title), __FILE__, __LINE__);
        return;
    }
    QTimer::singleShot(kPollMs, [title, action, waited] { Poll(title, action, waited + kPollMs); });
}

WindowHandle DrawingArea() {
    return GetControl(Program().MainWindow, kDrawingAreaId);
}
} // namespace

void WhenWindowAppears(const QString& title, std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [title, action] { Poll(title, action, 0); });
}

void StartProgram(std::vector<std::shared_ptr<iShape>> extraKinds) {
    SeedRandomFromTimeOfDay();
    ResetProgram();
    RegisterPrototypes(Program().ShapeTypes);
    for (auto& kind : extraKinds)
        Program().ShapeTypes.ADD(std::move(kind));
    BuildMainWindow();
    ShowModeless(Program().MainWindow);
}

void EndProgram() {
    ReleaseProgram();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<DialogWindow*>(window))
            CloseDialog(dialog->Handle(), 0);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::shared_ptr<iShape> Prototype(std::string_view kind) {
    const LinkListCollection& types = Program().ShapeTypes;
    for (std::int32_t i = 1; i <= types.COUNT(); ++i) {
        if (types.ITEM(i)->ShapeName() == kind)
            return types.ITEM(i);
    }
    return nullptr;
}

std::shared_ptr<iShape> ShapeFrom(const std::string& record) {
    auto shape = Prototype(record.substr(0, record.find(',')))->NewShape();
    shape->FromText(record);
    return shape;
}

std::vector<std::string> Records(const LinkListCollection& shapes) {
    std::vector<std::string> records;
    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i)
        records.push_back(shapes.ITEM(i)->ToText());
    return records;
}

QImage DrawingShown() {
    return ShownImage(DrawingArea());
}

RgbColor ColourAt(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
}

RgbColor ShownAt(int x, int y) {
    return ColourAt(DrawingShown(), x - 1, y - 1); // inside the 1-pixel border
}

void ClickDrawing(int x, int y) {
    QTest::mouseClick(WindowWidget(DrawingArea()), Qt::LeftButton, {}, QPoint(x, y));
}

void PressButton(const QString& caption) {
    for (auto* button : ClientWidget(Program().MainWindow)->findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    QFAIL(qPrintable("no button " + caption));
}

void AnswerFilename(const QString& name) {
    WhenWindowAppears(kDefaultTitle, [name](QWidget* prompt) {
        auto* box = prompt->findChild<QLineEdit*>();
        QTest::keyClicks(box, name);
        QTest::keyClick(box, name.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
}

void AnswerChooser(const QString& path) {
    WhenWindowAppears("Open file", [path](QWidget* window) {
        auto* chooser = qobject_cast<QFileDialog*>(window);
        if (path.isEmpty())
            return chooser->reject();
        chooser->selectFile(path);
        QMetaObject::invokeMethod(chooser, "accept");
    });
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

MessageRecorder::MessageRecorder()
    : sink_([this](const std::string& text, std::uint32_t, const std::string&) {
          texts_.push_back(text);
          return kAnswerOk;
      }) {}

QImage ShownImage(WindowHandle control) {
    GraphicControl* graphic = GraphicControlOf(control);
    return graphic ? graphic->Surface().ScreenImage() : QImage();
}

QImage BitmapOf(WindowHandle control) {
    GraphicControl* graphic = GraphicControlOf(control);
    return graphic ? graphic->Surface().Bitmap() : QImage();
}
