#include "TestSupport.h"
#include "ui/DialogService.h"
#include "ui/WindowWidgets.h"

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
    void cleanup() { CloseAllDialogs(); }

    void pixelDialogHasExactClientSizeAndIsCentred();
    void childPanelKeepsItsFrameOutsideTheClientArea();
    void controlsSharingAnIdEachReachTheirOwnCallback();
    void userSlotsWrapAroundEight();
    void showStateBeforeTheFirstShowIsRemembered();
    void initAndSizeArriveBeforeTheDialogIsVisible();
    void unhandledClickReachesTheDialogCallback();
    void closeBoxEndsShowModal();
    void closingFromItsOwnCallbackIsSafe();
    void operationsOnAGoneHandleDoNothing();
    void childDialogsGoWithTheirParent();
    void enterAndEscapeSendOkAndCancel();
    void textOfEveryKindOfWindow();
    void tabMovesBetweenTabStops();
    void labelNamesTheTextBoxAfterIt();
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

void TestDialogService::userSlotsWrapAroundEight() {
    const WindowHandle main = MainDialog();
    SetUserValue(main, 0, 77);
    QCOMPARE(GetUserValue(main, 8), 77);
    QCOMPARE(GetUserValue(main, 0), 77);
    SetUserValue(main, 9, 5);
    QCOMPARE(GetUserValue(main, 1), 5);
    SetUserValue(main, -7, 6);
    QCOMPARE(GetUserValue(main, 1), 6);
    QCOMPARE(GetUserValue(main, 2), 0);
}

void TestDialogService::showStateBeforeTheFirstShowIsRemembered() {
    const WindowHandle main = MainDialog();
    SetShowState(main, 1);
    QVERIFY(!WindowWidget(main)->isVisible());
    ShowModeless(main);
    QVERIFY(WindowWidget(main)->isVisible());

    const WindowHandle hidden = MainDialog();
    SetShowState(hidden, 0);
    ShowModeless(hidden);
    QVERIFY(!WindowWidget(hidden)->isVisible());
    SetShowState(hidden, 1);
    QVERIFY(WindowWidget(hidden)->isVisible());
}

void TestDialogService::initAndSizeArriveBeforeTheDialogIsVisible() {
    const WindowHandle main = MainDialog();
    const Log log = NewLog();
    auto visibleAtInit = std::make_shared<bool>(true);
    ShowModeless(main, [log, visibleAtInit](WindowHandle dialog, std::uint32_t message,
                                            std::uint32_t wParam, std::int32_t lParam) {
        if (message == Message::Init)
            *visibleAtInit = WindowWidget(dialog)->isVisible();
        log->push_back({dialog, message, wParam, lParam});
        return 0;
    });
    QVERIFY(!*visibleAtInit);
    QVERIFY(log->size() >= 2);
    QCOMPARE(log->at(0).message, Message::Init);
    QCOMPARE(log->at(0).wParam, main);
    QCOMPARE(log->at(1).message, Message::Size);
    QCOMPARE(log->at(1).lParam, 560 + 65536 * 320);
}

void TestDialogService::unhandledClickReachesTheDialogCallback() {
    const WindowHandle main = MainDialog();
    const Log control = NewLog(), dialog = NewLog();
    AddControl(kPushButton, main, 7, "pass", 0, 0, 80, 30, 0, 0, Recorder(control, 0));
    AddControl(kPushButton, main, 8, "stop", 0, 40, 80, 30, 0, 0, Recorder(control, 1));
    ShowModeless(main, Recorder(dialog));
    dialog->clear();
    Click(GetControl(main, 7));
    QCOMPARE(control->size(), std::size_t{1});
    QCOMPARE(dialog->size(), std::size_t{1});
    QCOMPARE(dialog->at(0).wParam, std::uint32_t{7});
    Click(GetControl(main, 8));
    QCOMPARE(control->size(), std::size_t{2});
    QCOMPARE(dialog->size(), std::size_t{1}); // a non-zero answer ends the handling
}

void TestDialogService::closeBoxEndsShowModal() {
    const WindowHandle main = MainDialog();
    std::int32_t result = -5;
    QTimer::singleShot(0, [main] { WindowWidget(main)->close(); });
    ShowModal(main, {}, &result);
    QCOMPARE(result, 0);
    QCOMPARE(IsLiveWindow(main), 0);
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

void TestDialogService::childDialogsGoWithTheirParent() {
    const WindowHandle main = MainDialog();
    const WindowHandle panel =
        NewDialog(kPixelUnits, main, "", 450, 10, 100, 300, 0x50800400, 0x200);
    const WindowHandle inner = NewDialog(kPixelUnits, panel, "", 0, 0, 100, 300, 0x50000400, 0);
    CloseDialog(main, 0);
    QCOMPARE(IsLiveWindow(panel), 0);
    QCOMPARE(IsLiveWindow(inner), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

void TestDialogService::textOfEveryKindOfWindow() {
    const WindowHandle main = MainDialog();
    QCOMPARE(GetText(main), std::string("Main"));
    AddControl(kLabel, main, 1, "label", 0, 0, 80, 19, 0, 0);
    AddControl(kTextBox, main, 2, "box", 0, 20, 80, 23, 0, 0);
    AddControl(kPushButton, main, 3, "button", 0, 50, 80, 30, 0, 0);
    for (const std::int32_t id : {1, 2, 3}) {
        SetText(GetControl(main, id), "caf\xC3\xA9 " + std::to_string(id));
        QCOMPARE(GetText(GetControl(main, id)), "caf\xC3\xA9 " + std::to_string(id));
    }
    SetText(main, "Renamed");
    QCOMPARE(WindowWidget(main)->windowTitle(), QString("Renamed"));
}

void TestDialogService::tabMovesBetweenTabStops() {
    const WindowHandle main = MainDialog();
    AddControl(kTextBox, main, 1, "", 0, 0, 80, 23, 0x50810080, 0);
    AddControl(kLabel, main, 2, "not a stop", 0, 30, 80, 19, 0, 0);
    AddControl(kPushButton, main, 3, "stop", 0, 60, 80, 30, 0, 0);
    ShowModeless(main);
    QVERIFY(QTest::qWaitForWindowActive(WindowWidget(main)));
    FocusControl(main, 1);
    QCOMPARE(QApplication::focusWidget(), WindowWidget(GetControl(main, 1)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), WindowWidget(GetControl(main, 3)));
}

void TestDialogService::labelNamesTheTextBoxAfterIt() {
    const WindowHandle main = MainDialog();
    AddControl(kLabel, main, 501, "Radius", 0, 0, 80, 19, 0, 0);
    AddControl(kTextBox, main, 101, "5", 0, 20, 80, 23, 0, 0);
    QCOMPARE(WindowWidget(GetControl(main, 101))->accessibleName(), QString("Radius"));
}

QTEST_MAIN(TestDialogService)
#include "tst_dialogservice.moc"
