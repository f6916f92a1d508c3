#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "ui/DialogWindow.h"
#include "ui/GraphicControl.h"
#include "ui/Prompts.h"
#include "ui/WindowWidgets.h"

#include <QApplication>
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
} // namespace

void WhenWindowAppears(const QString& title, std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [title, action] { Poll(title, action, 0); });
}

void StartProgram() {
    StartUp();
    ShowModeless(Program().MainWindow);
}

void EndProgram() {
    ReleaseProgram();
    CloseAllDialogs();
}

void CloseAllDialogs() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<DialogWindow*>(window))
            CloseDialog(dialog->Handle(), 0);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
