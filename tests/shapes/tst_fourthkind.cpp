// A kind of shape that only this test knows: declaring it is all it takes for the real
// main window, its edit dialog and the drawing file to offer it.
#include "TestSupport.h"
#include "app/DrawingHistory.h"
#include "app/ProgramState.h"
#include "file/DrawingFile.h"
#include "shapes/cShapeOf.h"
#include "shapes/iShapeProperties.h"
#include "ui/DialogService.h"
#include "ui/GraphicService.h"
#include "ui/WindowRegistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class iEllipse : public iPosition {
  public:
    virtual std::int32_t GetRadiusX() const = 0;
    virtual std::int32_t GetRadiusY() const = 0;
};

class cEllipse final : public cShapeOf<cEllipse, iEllipse> {
  public:
    static constexpr ShapeValue kValues[] = {
        {"X", "x", CentredBy(2)},
        {"Y", "y", CentredBy(3)},
        {"Radius X", "rx", Between(4, 40)},
        {"Radius Y", "ry", Between(4, 40)},
    };
    static constexpr ShapeKind kKind{"ellipse", "Edit Ellipse", kValues};

    std::int32_t GetRadiusX() const override { return Value(2); }
    std::int32_t GetRadiusY() const override { return Value(3); }
    void Draw(std::optional<RgbColor> outline) const override {
        GraphicEllipse(
            static_cast<float>(GetX() - GetRadiusX()), static_cast<float>(GetY() - GetRadiusY()),
            static_cast<float>(GetX() + GetRadiusX()), static_cast<float>(GetY() + GetRadiusY()),
            outline.value_or(kBlack), kShapeFill, 0);
    }
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const override {
        const std::int64_t dx = x - GetX(), dy = y - GetY(), a = GetRadiusX(), b = GetRadiusY();
        return dx * dx * b * b + dy * dy * a * a <= a * a * b * b ? kTrue : kFalse;
    }
};

class TestFourthKind : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartProgram({std::make_shared<cEllipse>()}); }
    void cleanup() { EndProgram(); }

    void itsButtonComesAfterTheOthers() {
        QWidget* button = WindowWidget(GetControl(Program().MainWindow, 104));
        QCOMPARE(qobject_cast<QPushButton*>(button)->text(), QString("ellipse"));
        QCOMPARE(button->y(), 112);
        QCOMPARE(WindowWidget(GetControl(Program().MainWindow, 107))->y(), 214); // Load, after
        PressButton("ellipse");
        QCOMPARE(std::string(Program().Shapes.ITEM(1)->ShapeName()), std::string("ellipse"));
    }

    void clickSelectsAndUpdateStores() {
        AddShape(ShapeFrom("ellipse,100,100,30,10"));
        ClickDrawing(125, 100);
        QCOMPARE(ShownAt(71, 100), 0x0080FF); // outlined in orange
        const WindowHandle editor = Program().ViewManager->Current();
        QCOMPARE(WindowWidget(editor)->windowTitle(), QString("Edit Ellipse"));
        QCOMPARE(qobject_cast<QLabel*>(WindowWidget(GetControl(editor, 504)))->text(),
                 QString("Radius Y"));
        SetText(GetControl(editor, 103), "40");
        QTest::mouseClick(WindowWidget(GetControl(editor, 801)), Qt::LeftButton);
        QCOMPARE(Records(Program().Shapes), std::vector<std::string>{"ellipse,100,100,40,10"});
    }

    void saveAndLoadRoundTrip() {
        const QTemporaryDir folder;
        AddShape(ShapeFrom("ellipse,1,2,3,4"));
        AddShape(ShapeFrom("circle,5,6,7"));
        AnswerFilename(folder.filePath("pair.poly"));
        PressButton("Save");
        QCOMPARE(ReadAll(folder.filePath("pair.poly")),
                 QByteArray("ellipse,1,2,3,4\r\ncircle,5,6,7"));
        WriteAll(folder.filePath("more.poly"),
                 ReadAll(folder.filePath("pair.poly")) + "\r\nELLIPSE,1");
        ClearShapes();
        const MessageRecorder messages;
        AnswerChooser(folder.filePath("more.poly"));
        PressButton("Load");
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"Invalid ellipse settings s/b ellipse,x,y,rx,ry"});
        QCOMPARE(Program().Shapes.COUNT(), 3);
        QCOMPARE(DrawingText(Program().Shapes)->substr(0, 29),
                 std::string("ellipse,1,2,3,4\r\ncircle,5,6,7"));
        Program().Shapes.ITEM(1)->FromText("circle,1,2,3");
        QCOMPARE(messages.Texts().back(), std::string("Invalid setting, s/b ellipse"));
    }
};

QTEST_MAIN(TestFourthKind)
#include "tst_fourthkind.moc"
