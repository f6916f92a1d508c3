#include "TestSupport.h"
#include "app/cViewManager.h"
#include "ui/WindowWidgets.h"

#include <QTest>

class TestViewManager : public QObject {
    Q_OBJECT

  private:
    WindowHandle panel_ = 0;
    cViewManager manager_;

    WindowHandle NewView() {
        const WindowHandle view = NewDialog(kPixelUnits, panel_, "", 0, 0, 100, 300, 0x50000400, 0);
        ShowModeless(view);
        return view;
    }
    static bool Visible(WindowHandle view) { return WindowWidget(view)->isVisible(); }

  private slots:
    void init();
    void cleanup() { CloseAllDialogs(); }

    void firstViewIsFittedToThePanel();
    void secondViewReplacesTheFirst();
    void showingTheSameViewTwiceKeepsIt();
    void closeOnAnEmptyManagerDoesNothing();
    void lastViewStaysWhenEmptyIsNotAllowed();
    void goneOrNoHandlesAreIgnored();
    void aViewDestroyedWhileCurrentIsDroppedQuietly();
};

void TestViewManager::init() {
    const WindowHandle main = NewDialog(kPixelUnits, 0, "Main", 0, 0, 560, 320, 0x00CA0800, 0);
    panel_ = NewDialog(kPixelUnits, main, "", 450, 10, 100, 300, 0x50800400, 0x200);
    ShowModeless(main);
    manager_ = cViewManager();
    manager_.SetContainer(panel_);
    manager_.SetAllowEmpty(-1);
}

void TestViewManager::firstViewIsFittedToThePanel() {
    const WindowHandle a = NewView();
    MoveDialog(a, 5, 5);
    manager_.ShowView(a);
    QCOMPARE(manager_.Count(), 1);
    QCOMPARE(manager_.Capacity(), 10);
    QCOMPARE(WindowWidget(a)->geometry(), QRect(0, 0, 106, 306)); // the panel's outer size
    QVERIFY(Visible(a));
}

void TestViewManager::secondViewReplacesTheFirst() {
    const WindowHandle a = NewView(), b = NewView();
    manager_.ShowView(a);
    manager_.ShowView(b);
    QVERIFY(!Visible(a));
    QVERIFY(Visible(b));
    QCOMPARE(manager_.Count(), 1);
    manager_.CloseView();
    QVERIFY(!Visible(b));
    QVERIFY(!Visible(a)); // A is not shown again
    QCOMPARE(manager_.Count(), 0);
    QCOMPARE(manager_.Capacity(), 10);
}

void TestViewManager::showingTheSameViewTwiceKeepsIt() {
    const WindowHandle a = NewView();
    manager_.ShowView(a);
    manager_.ShowView(a);
    QVERIFY(Visible(a));
    QCOMPARE(manager_.Count(), 1);
}

void TestViewManager::closeOnAnEmptyManagerDoesNothing() {
    manager_.CloseView();
    QCOMPARE(manager_.Count(), 0);
    QCOMPARE(manager_.Capacity(), 0);
}

void TestViewManager::lastViewStaysWhenEmptyIsNotAllowed() {
    manager_.SetAllowEmpty(0);
    const WindowHandle a = NewView();
    manager_.ShowView(a);
    manager_.CloseView();
    QVERIFY(Visible(a));
    QCOMPARE(manager_.Count(), 1);
}

void TestViewManager::goneOrNoHandlesAreIgnored() {
    const WindowHandle a = NewView();
    manager_.ShowView(0);
    QCOMPARE(manager_.Count(), 0);
    CloseDialog(a, 0);
    manager_.ShowView(a);
    QCOMPARE(manager_.Count(), 0);
    QCOMPARE(manager_.Capacity(), 0);
}

void TestViewManager::aViewDestroyedWhileCurrentIsDroppedQuietly() {
    const WindowHandle a = NewView(), b = NewView();
    manager_.ShowView(a);
    CloseDialog(a, 0);
    manager_.ShowView(b);
    QVERIFY(Visible(b));
    QCOMPARE(manager_.Current(), b);
    CloseDialog(b, 0);
    manager_.CloseView();
    QCOMPARE(manager_.Count(), 0);
}

QTEST_MAIN(TestViewManager)
#include "tst_viewmanager.moc"
