#include "TestSupport.h"
#include "ui/DialogService.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

struct Received {
    WindowHandle dialog;
    std::uint32_t message;
    std::uint32_t wParam;
    std::int32_t lParam;
};

// Shared with the callback, which lives as long as its window, possibly past the test.
using Log = std::shared_ptr<std::vector<Received>>;
Log NewLog() {
    return std::make_shared<std::vector<Received>>();
}

// A callback that records what it receives and answers with a fixed result.
ControlCallback Recorder(const Log& log, std::int32_t answer = 0) {
    return [log, answer](WindowHandle dialog, std::uint32_t message, std::uint32_t wParam,
                         std::int32_t lParam) {
        log->push_back({dialog, message, wParam, lParam});
        return answer;
    };
}

WindowHandle MainDialog() {
    return NewDialog(kPixelUnits, 0, "Main", 10, 110, 560, 320, 0x00CA0800, 0);
}

void Click(WindowHandle control) {
    qobject_cast<QPushButton*>(WindowWidget(control))->click();
}

} // namespace

class TestDialogService : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { EndProgram(); }

    void pixelDialogHasExactClientSizeAndIsCentred();
    void childPanelKeepsItsFrameOutsideTheClientArea();
    void controlsSharingAnIdEachReachTheirOwnCallback();
    void closingFromItsOwnCallbackIsSafe();
    void operationsOnAGoneHandleDoNothing();
    void enterAndEscapeSendOkAndCancel();
};

void TestDialogService::pixelDialogHasExactClientSizeAndIsCentred() {
    const WindowHandle main = MainDialog();
    QWidget* window = WindowWidget(main);
    QCOMPARE(ClientWidget(main)->size(), QSize(560, 320));
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(window->frameGeometry().center().x(), work.center().x());
    QVERIFY(window->pos() != QPoint(10, 110));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->minimumSize(), window->maximumSize()); // no sizing border
}

void TestDialogService::childPanelKeepsItsFrameOutsideTheClientArea() {
    const WindowHandle main = MainDialog();
    const WindowHandle panel =
        NewDialog(kPixelUnits, main, "", 450, 10, 100, 300, 0x50800400, 0x200);
    QWidget* outer = WindowWidget(panel);
    QCOMPARE(outer->pos(), QPoint(450, 10));
    QCOMPARE(ClientWidget(panel)->size(), QSize(100, 300));
    QCOMPARE(outer->size(), QSize(106, 306)); // 1-pixel border and 2-pixel sunken edge
    const OuterSize size = GetOuterSize(panel);
    QCOMPARE(size.width, 106);
    QCOMPARE(size.height, 306);
}

void TestDialogService::controlsSharingAnIdEachReachTheirOwnCallback() {
    const WindowHandle main = MainDialog();
    const Log first = NewLog(), second = NewLog();
    AddControl(kPushButton, main, 101, "first", 0, 0, 80, 30, 0, 0, Recorder(first));
    AddControl(kPushButton, main, 101, "second", 0, 40, 80, 30, 0, 0, Recorder(second));
    const WindowHandle found = GetControl(main, 101);
    QCOMPARE(GetText(found), std::string("first"));
    const WindowHandle other = found + 1;
    Click(other);
    QCOMPARE(first->size(), std::size_t{0});
    QCOMPARE(second->size(), std::size_t{1});
    QCOMPARE(second->at(0).dialog, main); // the dialog, never the control
    QCOMPARE(second->at(0).message, Message::Command);
    QCOMPARE(second->at(0).wParam, std::uint32_t{101}); // ID 101, code 0
    QCOMPARE(static_cast<WindowHandle>(second->at(0).lParam), other);
    Click(found);
    QCOMPARE(first->size(), std::size_t{1});
}

void TestDialogService::closingFromItsOwnCallbackIsSafe() {
    const WindowHandle main = MainDialog();
    const Log dialogLog = NewLog();
    AddControl(kPushButton, main, 1, "OK", 0, 0, 80, 30, 0, 0,
               [](WindowHandle dialog, std::uint32_t, std::uint32_t, std::int32_t) {
                   CloseDialog(dialog, 42);
                   return 0; // the dialog callback must not be reached for a gone dialog
               });
    std::int32_t result = 0;
    QTimer::singleShot(0, [main] { Click(GetControl(main, 1)); });
    ShowModal(main, Recorder(dialogLog), &result);
    QCOMPARE(result, 42);
    QCOMPARE(IsLiveWindow(main), 0);
    for (const Received& received : *dialogLog)
        QVERIFY(received.message != Message::Command);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestDialogService::operationsOnAGoneHandleDoNothing() {
    const WindowHandle main = MainDialog();
    AddControl(kTextBox, main, 5, "text", 0, 0, 80, 23, 0, 0);
    const WindowHandle box = GetControl(main, 5);
    SetUserValue(main, 1, 9);
    CloseDialog(main, 0);
    QCOMPARE(IsLiveWindow(main), 0);
    QCOMPARE(IsLiveWindow(box), 0);
    QCOMPARE(GetControl(main, 5), WindowHandle{0});
    QCOMPARE(GetUserValue(main, 1), 0);
    QCOMPARE(GetText(box), std::string());
    SetText(box, "x");
    SetShowState(main, 1);
    SetUserValue(main, 1, 3);
    MoveDialog(main, 1, 1);
    SetOuterSize(main, 10, 10);
    FocusControl(main, 5);
    AddControl(kLabel, main, 6, "late", 0, 0, 10, 10, 0, 0);
    CloseDialog(main, 1);
    QCOMPARE(GetOuterSize(main).width, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Handles are never reused.
    const WindowHandle next = MainDialog();
    QVERIFY(next != main && next != box);
    QCOMPARE(IsLiveWindow(0), 0);
}

void TestDialogService::enterAndEscapeSendOkAndCancel() {
    const WindowHandle main = MainDialog();
    const Log ok = NewLog(), cancel = NewLog();
    AddControl(kTextBox, main, 10, "", 0, 0, 80, 23, 0x50810080, 0);
    AddControl(kPushButton, main, kIdOk, "OK", 0, 30, 80, 30, 0, 0, Recorder(ok));
    AddControl(kPushButton, main, kIdCancel, "Cancel", 0, 70, 80, 30, 0, 0, Recorder(cancel));
    ShowModeless(main);
    QWidget* box = WindowWidget(GetControl(main, 10));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(ok->size(), std::size_t{1});
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(cancel->size(), std::size_t{1});
    QCOMPARE(cancel->at(0).wParam, std::uint32_t{kIdCancel});
}

QTEST_MAIN(TestDialogService)
#include "tst_dialogservice.moc"
