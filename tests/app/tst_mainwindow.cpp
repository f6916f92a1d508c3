#include "TestSupport.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "ui/GraphicControl.h"
#include "ui/WindowWidgets.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

constexpr RgbColor kWhite = 0xFFFFFF;
constexpr RgbColor kOrange = 0x0080FF;

// A shape of the kind named by the record, made as a shape button would make it.
std::shared_ptr<iShape> Shape(const std::string& record) {
    const LinkListCollection& types = Program().ShapeTypes;
    for (std::int32_t i = 1; i <= types.COUNT(); ++i) {
        if (record.rfind(std::string(types.ITEM(i)->ShapeName()) + ",", 0) == 0) {
            auto shape = types.ITEM(i)->NewShape();
            shape->FromText(record);
            return shape;
        }
    }
    return nullptr;
}

WindowHandle DrawingArea() {
    return GetControl(Program().MainWindow, kDrawingAreaId);
}

// The colour shown at drawing-area client point (x, y): bitmap pixel (x - 1, y - 1).
RgbColor ShownAt(int x, int y) {
    const QRgb pixel = ShownImage(DrawingArea()).pixel(x - 1, y - 1);
    return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
}

bool AllWhite() {
    const QImage image = ShownImage(DrawingArea());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return false;
    return true;
}

void ClickDrawing(int x, int y) {
    QTest::mouseClick(WindowWidget(DrawingArea()), Qt::LeftButton, {}, QPoint(x, y));
}

void PressButton(const QString& caption) {
    for (auto* button : ClientWidget(Program().MainWindow)->findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable("no button " + caption));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartProgram(); }
    void cleanup() { EndProgram(); }

    void startsWithAWhiteAreaAndAnEmptyPanel();
    void buttonColumn_data();
    void buttonColumn();
    void shapeButtonsAppendBeneathTheDrawing();
    void invalidButtonIsReported();
    void clearEmptiesTheDrawing();
    void clickSelectsTheShapeOnTop();
    void clickOnEmptySpaceKeepsTheHighlight();
    void doubleClickIsIgnored();
    void highlightLeavesNoTraceAfterARedraw();
    void editThenUpdateMovesTheShape();
    void clearWhileEditingRemovesTheDialog();
    void findShapeIndex();
    void closingTheMainWindowReturnsZero();
};

void TestMainWindow::startsWithAWhiteAreaAndAnEmptyPanel() {
    QWidget* window = WindowWidget(Program().MainWindow);
    QCOMPARE(window->windowTitle(), QString("Kestrune"));
    QCOMPARE(ClientWidget(Program().MainWindow)->size(), QSize(560, 320));
    QCOMPARE(WindowWidget(DrawingArea())->geometry(), QRect(0, 0, 320, 320));
    QCOMPARE(ShownImage(DrawingArea()).size(), QSize(318, 318));
    QVERIFY(AllWhite());
    // ID 101 names both the drawing area and the "circle" button: lookups reach the area.
    QVERIFY(GraphicControlOf(GetControl(Program().MainWindow, 101)));
    QCOMPARE(Program().Shapes.COUNT(), 0);
    QCOMPARE(Program().ViewManager->Count(), 0);
    QCOMPARE(Program().ViewManager->GetContainer(), Program().ViewPanel);
    QCOMPARE(WindowWidget(Program().ViewPanel)->geometry(), QRect(450, 10, 106, 306));
    QVERIFY(WindowWidget(Program().ViewPanel)->isVisible());
}

// clang-format off
void TestMainWindow::buttonColumn_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("y");
    QTest::newRow("circle") << 101 << "circle" << 10;
    QTest::newRow("rectangle") << 102 << "rectangle" << 44;
    QTest::newRow("triangle") << 103 << "triangle" << 78;
    QTest::newRow("Clear") << 104 << "Clear" << 112;
    QTest::newRow("Save") << 105 << "Save" << 146;
    QTest::newRow("Load") << 106 << "Load" << 180;
}
// clang-format on

void TestMainWindow::buttonColumn() {
    QFETCH(int, id);
    QFETCH(QString, caption);
    QFETCH(int, y);
    QPushButton* found = nullptr;
    for (auto* button : ClientWidget(Program().MainWindow)->findChildren<QPushButton*>())
        if (button->text() == caption)
            found = button;
    QVERIFY(found);
    QCOMPARE(found->geometry(), QRect(340, y, 100, 30));
    // Its command carries its ID: a shape button's ID picks its prototype.
    if (id <= 103) {
        PressButton(caption);
        QCOMPARE(Program().Shapes.COUNT(), 1);
        QCOMPARE(std::string(Program().Shapes.ITEM(1)->ShapeName()), caption.toStdString());
    }
}

void TestMainWindow::shapeButtonsAppendBeneathTheDrawing() {
    PressButton("circle");
    PressButton("circle");
    QCOMPARE(Program().Shapes.COUNT(), 2);
    const auto first = Program().Shapes.ITEM(1), second = Program().Shapes.ITEM(2);
    QVERIFY(first != second);
    // Put them on the same spot: the first one lies on top.
    first->FromText("circle,100,100,30");
    second->FromText("circle,100,100,40");
    RedrawShapes();
    QCOMPARE(ShownAt(71, 101), 0); // the first circle's outline over the second's fill
    QCOMPARE(ShownAt(101, 101), kShapeFill);
}

void TestMainWindow::invalidButtonIsReported() {
    const MessageRecorder messages;
    OnShapeButton(Program().MainWindow, Message::Command, 100, 0);
    OnShapeButton(Program().MainWindow, Message::Command, 104, 0);
    QCOMPARE(messages.Texts(), (std::vector<std::string>{"Invalid button!", "Invalid button!"}));
    QCOMPARE(Program().Shapes.COUNT(), 0);
}

void TestMainWindow::clearEmptiesTheDrawing() {
    PressButton("Clear");
    QVERIFY(AllWhite());
    PressButton("rectangle");
    PressButton("triangle");
    QVERIFY(!AllWhite());
    PressButton("Clear");
    QCOMPARE(Program().Shapes.COUNT(), 0);
    QVERIFY(AllWhite());
}

void TestMainWindow::clickSelectsTheShapeOnTop() {
    AddShape(Shape("rectangle,50,50,100,100"));
    AddShape(Shape("circle,100,100,20"));
    ClickDrawing(100, 100);
    const WindowHandle editor = Program().ViewManager->Current();
    QCOMPARE(FindShapeIndex(editor), 1);
    QCOMPARE(GetText(GetControl(editor, 104)), std::string("100")); // a rectangle's Height box
    QCOMPARE(ShownAt(51, 100), kOrange);    // its left edge, outlined in orange
    QCOMPARE(ShownAt(81, 101), kShapeFill); // the circle beneath is not
}

void TestMainWindow::clickOnEmptySpaceKeepsTheHighlight() {
    AddShape(Shape("circle,100,100,20"));
    ClickDrawing(100, 100);
    QCOMPARE(ShownAt(81, 101), kOrange);
    const WindowHandle editor = Program().ViewManager->Current();
    ClickDrawing(300, 300);
    QCOMPARE(ShownAt(81, 101), kOrange);
    QCOMPARE(Program().ViewManager->Current(), editor);
}

void TestMainWindow::doubleClickIsIgnored() {
    AddShape(Shape("circle,100,100,20"));
    OnDrawingArea(Program().MainWindow, Message::Command, (Notification::DoubleClicked << 16) | 101,
                  0);
    QCOMPARE(Program().ViewManager->Count(), 0);
}

void TestMainWindow::highlightLeavesNoTraceAfterARedraw() {
    AddShape(Shape("triangle,100,100,30"));
    const QImage plain = ShownImage(DrawingArea());
    DrawHighlighted(Program().MainWindow, kDrawingAreaId, *Program().Shapes.ITEM(1));
    QVERIFY(ShownImage(DrawingArea()) != plain);
    RedrawShapes();
    QCOMPARE(ShownImage(DrawingArea()), plain);
}

void TestMainWindow::editThenUpdateMovesTheShape() {
    AddShape(Shape("circle,100,100,20"));
    ClickDrawing(100, 100);
    const WindowHandle editor = Program().ViewManager->Current();
    SetText(GetControl(editor, 101), "200");
    QTest::mouseClick(WindowWidget(GetControl(editor, 801)), Qt::LeftButton);
    QCOMPARE(Program().Shapes.ITEM(1)->ToText(), std::string("circle,200,100,20"));
    QCOMPARE(ShownAt(201, 101), kShapeFill);
    QCOMPARE(ShownAt(101, 101), kWhite);
    QCOMPARE(ShownAt(181, 101), 0); // redrawn in black: the highlight is gone
}

void TestMainWindow::clearWhileEditingRemovesTheDialog() {
    AddShape(Shape("circle,100,100,20"));
    ClickDrawing(100, 100);
    const WindowHandle editor = Program().ViewManager->Current();
    PressButton("Clear");
    QCOMPARE(IsLiveWindow(editor), 0);
    QVERIFY(AllWhite());
}

void TestMainWindow::findShapeIndex() {
    for (const char* record : {"circle,10,10,5", "circle,50,50,5", "circle,90,90,5"})
        AddShape(Shape(record));
    Program().Shapes.ITEM(3)->Edit();
    const WindowHandle third = Program().ViewManager->Current();
    QCOMPARE(FindShapeIndex(third), 3);
    Program().Shapes.ITEM(1)->Edit();
    QCOMPARE(FindShapeIndex(Program().ViewManager->Current()), 1);
    SetUserValue(third, 0, 0); // an identity no shape has
    QCOMPARE(FindShapeIndex(third), 0);
}

void TestMainWindow::closingTheMainWindowReturnsZero() {
    ReleaseProgram();
    CloseAllDialogs();
    QTimer::singleShot(0, [] { WindowWidget(Program().MainWindow)->close(); });
    QCOMPARE(KestruneMain(), 0);
    QCOMPARE(IsLiveWindow(Program().ViewPanel), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
