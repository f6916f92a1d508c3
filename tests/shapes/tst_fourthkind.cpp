// A kind of shape that only this test knows: declaring it is all it takes for the real
// main window, its edit dialog and the drawing file to offer it.
#include "TestSupport.h"
#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "file/DrawingFile.h"
#include "shapes/cShapeOf.h"
#include "ui/DialogService.h"
#include "ui/GraphicService.h"
#include "ui/WindowRegistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace testkind { // its own names: a kind the program gains later links apart from it

class cTestOval final : public cShapeOf<cTestOval> {
  public:
    static constexpr ShapeValue kValues[] = {
        {"X", "x", CentredBy(2)},
        {"Y", "y", CentredBy(3)},
        {"Radius X", "rx", Between(4, 40)},
        {"Radius Y", "ry", Between(4, 40)},
    };
    static constexpr ShapeKind kKind{"testoval", "Edit Test Oval", kValues};

    void Draw(std::optional<RgbColor> outline) const override {
        GraphicEllipse(static_cast<float>(GetX() - Value(2)), static_cast<float>(GetY() - Value(3)),
                       static_cast<float>(GetX() + Value(2)), static_cast<float>(GetY() + Value(3)),
                       outline.value_or(kBlack), kShapeFill, 0);
    }
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override {
        const std::int64_t dx = x - GetX(), dy = y - GetY(), a = Value(2), b = Value(3);
        return dx * dx * b * b + dy * dy * a * a <= a * a * b * b ? kTrue : kFalse;
    }
};

} // namespace testkind

class TestFourthKind : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartProgram({std::make_shared<testkind::cTestOval>()}); }
    void cleanup() { EndProgram(); }

    void itsButtonComesAfterTheOthers() {
        const std::int32_t last = Program().ShapeTypes.COUNT(); // registered after the others
        QWidget* button = WindowWidget(GetControl(Program().MainWindow, 100 + last));
        QCOMPARE(qobject_cast<QPushButton*>(button)->text(), QString("testoval"));
        QCOMPARE(button->y(), 10 + 34 * (last - 1));
        QCOMPARE(WindowWidget(GetControl(Program().MainWindow, 103 + last))->y(),
                 10 + 34 * (last + 2)); // Load, after
        PressButton("testoval");
        QCOMPARE(std::string(Program().Shapes.ITEM(1)->ShapeName()), std::string("testoval"));
    }

    void clickSelectsAndUpdateStores() {
        AddShape(ShapeFrom("testoval,100,100,30,10"));
        ClickDrawing(125, 100);
        QCOMPARE(ShownAt(71, 100), 0x0080FF); // outlined in orange
        const WindowHandle editor = Program().ViewManager->Current();
        QCOMPARE(WindowWidget(editor)->windowTitle(), QString("Edit Test Oval"));
        QCOMPARE(qobject_cast<QLabel*>(WindowWidget(GetControl(editor, 504)))->text(),
                 QString("Radius Y"));
        SetText(GetControl(editor, 103), "40");
        QTest::mouseClick(WindowWidget(GetControl(editor, 801)), Qt::LeftButton);
        QCOMPARE(Records(Program().Shapes), std::vector<std::string>{"testoval,100,100,40,10"});
    }

    void saveAndLoadRoundTrip() {
        const QTemporaryDir folder;
        AddShape(ShapeFrom("testoval,1,2,3,4"));
        AddShape(ShapeFrom("circle,5,6,7"));
        AnswerFilename(folder.filePath("pair.poly"));
        PressButton("Save");
        QCOMPARE(ReadAll(folder.filePath("pair.poly")),
                 QByteArray("testoval,1,2,3,4\r\ncircle,5,6,7"));
        WriteAll(folder.filePath("more.poly"),
                 ReadAll(folder.filePath("pair.poly")) + "\r\nTESTOVAL,1");
        ClearShapes();
        const MessageRecorder messages;
        AnswerChooser(folder.filePath("more.poly"));
        PressButton("Load");
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"Invalid testoval settings s/b testoval,x,y,rx,ry"});
        QCOMPARE(Program().Shapes.COUNT(), 3);
        QCOMPARE(DrawingText(Program().Shapes)->substr(0, 30),
                 std::string("testoval,1,2,3,4\r\ncircle,5,6,7"));
        Program().Shapes.ITEM(1)->FromText("circle,1,2,3");
        QCOMPARE(messages.Texts().back(), std::string("Invalid setting, s/b testoval"));
    }
};

QTEST_MAIN(TestFourthKind)
#include "tst_fourthkind.moc"
