#include "TestSupport.h"
#include "app/ButtonCallbacks.h"
#include "app/DrawingHistory.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/ShapeLookup.h"
#include "ui/AccessibleDrawing.h"
#include "ui/DialogService.h"
#include "ui/GraphicControl.h"
#include "ui/WindowRegistry.h"

#include <QAccessible>
#include <QPushButton>
#include <QTest>

namespace {
constexpr RgbColor kWhite = 0xFFFFFF;
constexpr RgbColor kOrange = 0x0080FF;

bool AllWhite() {
    const QImage image = DrawingShown();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return false;
    return true;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartProgram(); }
    void cleanup() { EndProgram(); }

    void startsWithAWhiteAreaAndAnEmptyPanel() {
        QCOMPARE(WindowWidget(Program().MainWindow)->windowTitle(), QString("Kestrune"));
        QCOMPARE(ClientWidget(Program().MainWindow)->size(), QSize(560, 320));
        QCOMPARE(DrawingShown().size(), QSize(318, 318));
        QVERIFY(AllWhite());
        // ID 101 names both the drawing area and the "circle" button: lookups reach the area.
        QVERIFY(GraphicControlOf(GetControl(Program().MainWindow, kDrawingAreaId)));
        QCOMPARE(Program().ViewManager->Count(), 0);
        QCOMPARE(WindowWidget(Program().ViewPanel)->geometry(), QRect(450, 10, 106, 306));
    }

    // A row a button, from the registered kinds on: each takes the next ID and place.
    void buttonColumn_data() {
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("caption");
        LinkListCollection kinds;
        RegisterPrototypes(kinds);
        QStringList captions;
        for (std::int32_t i = 1; i <= kinds.COUNT(); ++i)
            captions << QString::fromUtf8(kinds.ITEM(i)->ShapeName());
        captions.append({"Clear", "Save", "Load"});
        for (int place = 0; place < captions.size(); ++place)
            QTest::newRow(qPrintable(captions[place])) << place << captions[place];
    }

    void buttonColumn() {
        QFETCH(int, place);
        QFETCH(QString, caption);
        const int id = 101 + place;
        QPushButton* button = nullptr;
        for (auto* widget : ClientWidget(Program().MainWindow)->findChildren<QPushButton*>())
            button = widget->text() == caption ? widget : button;
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(340, 10 + 34 * place, 100, 30));
        if (id != kDrawingAreaId) // which comes first with its ID
            QCOMPARE(WindowWidget(GetControl(Program().MainWindow, id)), button);
        if (place >= Program().ShapeTypes.COUNT())
            return;
        PressButton(caption); // a shape button's ID picks its prototype
        PressButton(caption);
        QCOMPARE(Program().Shapes.COUNT(), 2);
        QCOMPARE(std::string(Program().Shapes.ITEM(2)->ShapeName()), caption.toStdString());
        QVERIFY(!AllWhite());
        PressButton("Clear");
        QCOMPARE(Program().Shapes.COUNT(), 0);
        QVERIFY(AllWhite());
    }

    void invalidButtonIsReported() {
        const MessageRecorder messages;
        OnShapeButton(Program().MainWindow, Message::Command, 100, 0);
        OnShapeButton(Program().MainWindow, Message::Command,
                      101 + static_cast<std::uint32_t>(Program().ShapeTypes.COUNT()), 0); // Clear's
        QCOMPARE(messages.Texts(),
                 (std::vector<std::string>{"Invalid button!", "Invalid button!"}));
        QCOMPARE(Program().Shapes.COUNT(), 0);
    }

    void clickSelectsTheShapeOnTop() {
        AddShape(ShapeFrom("rectangle,50,50,100,100"));
        AddShape(ShapeFrom("circle,100,100,20")); // beneath the rectangle
        ClickDrawing(100, 100);
        const WindowHandle editor = Program().ViewManager->Current();
        QCOMPARE(FindShapeIndex(editor), 1);
        QCOMPARE(GetText(GetControl(editor, 104)), std::string("100")); // the rectangle's Height
        QCOMPARE(ShownAt(51, 100), kOrange);                            // its edge, in orange
        QCOMPARE(ShownAt(81, 101), kShapeFill);                         // not the circle's
        ClickDrawing(300, 300); // empty space: the highlight and the editor stay
        QCOMPARE(ShownAt(51, 100), kOrange);
        QCOMPARE(Program().ViewManager->Current(), editor);
    }

    void updateRepaintsWithoutTheHighlight() {
        AddShape(ShapeFrom("circle,100,100,20"));
        ClickDrawing(100, 100);
        const WindowHandle editor = Program().ViewManager->Current();
        SetText(GetControl(editor, 101), "200");
        QTest::mouseClick(WindowWidget(GetControl(editor, 801)), Qt::LeftButton);
        QCOMPARE(Records(Program().Shapes), std::vector<std::string>{"circle,200,100,20"});
        QCOMPARE(ShownAt(201, 101), kShapeFill);
        QCOMPARE(ShownAt(101, 101), kWhite);
        QCOMPARE(ShownAt(181, 101), 0); // black again
    }

    void theDrawingReadsAsShapesInDrawingOrder() {
        for (const char* record : {"circle,100,100,20", "rectangle,150,150,40,30", "circle,5,5,20"})
            AddShape(ShapeFrom(record));
        ClickDrawing(160, 160);
        QWidget* area = WindowWidget(GetControl(Program().MainWindow, kDrawingAreaId));
        QAccessibleInterface* drawing = QAccessible::queryAccessibleInterface(area);
        QCOMPARE(drawing->role(), QAccessible::Canvas);
        QCOMPARE(drawing->text(QAccessible::Name) + ", " + drawing->text(QAccessible::Description),
                 QString("Drawing, 3 shapes"));
        const QPoint picture = area->mapToGlobal(QPoint(1, 1));
        const std::tuple<QString, QRect, bool> shapes[] = {
            {"circle: X 100, Y 100, Radius 20", QRect(80, 80, 40, 40), false},
            {"rectangle: X 150, Y 150, Width 40, Height 30", QRect(150, 150, 40, 30), true},
            {"circle: X 5, Y 5, Radius 20", QRect(0, 0, 25, 25), false}, // clipped
        };
        QCOMPARE(drawing->childCount(), 3);
        for (int i = 0; i < 3; ++i) {
            const auto& [name, box, selected] = shapes[i];
            QCOMPARE(drawing->child(i)->role(), QAccessible::Graphic);
            QCOMPARE(drawing->child(i)->text(QAccessible::Name), name);
            QCOMPARE(drawing->child(i)->rect(), box.translated(picture));
            QCOMPARE(drawing->child(i)->state().selected, selected);
        }
    }

    void aLargeDrawingBuildsOnlyTheShapesRead() {
        for (int i = 0; i < 100000; ++i)
            Program().Shapes.ADD(Prototype("circle")->NewShape());
        auto* drawing = dynamic_cast<cAccessibleDrawing*>(QAccessible::queryAccessibleInterface(
            WindowWidget(GetControl(Program().MainWindow, kDrawingAreaId))));
        QCOMPARE(drawing->childCount(), 100000);
        QCOMPARE(drawing->ChildrenMade(), 0);
        QCOMPARE(drawing->indexOfChild(drawing->child(99999)), 99999);
        QCOMPARE(drawing->ChildrenMade(), 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
