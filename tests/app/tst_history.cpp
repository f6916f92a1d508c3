// Undo and redo of every change, move by drag and the context menu, through the real
// main window, the drawing compared through its saved text.
#include "TestSupport.h"
#include "app/DrawingChanges.h"
#include "app/DrawingHistory.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "app/Redraw.h"
#include "app/Selection.h"
#include "app/ShapeLookup.h"
#include "file/DrawingFile.h"
#include "ui/DialogService.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

QWidget* Area() {
    return WindowWidget(GetControl(Program().MainWindow, 101));
}

std::string Saved() {
    return DrawingText(Program().Shapes).value_or("<none>");
}

// Answers the next context menu: remembers its items ("-" a separator, "(text)" a
// disabled one) and chooses the one named, or closes it when none is.
void AnswerMenu(const QString& choice, QStringList* seen = nullptr) {
    QTimer::singleShot(50, [choice, seen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (seen)
                *seen << (action->isSeparator() ? QString("-")
                          : action->isEnabled() ? action->text()
                                                : "(" + action->text() + ")");
            if (action->text() == choice)
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, choice.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
}

void RightClick(int x, int y) {
    QTest::mousePress(Area(), Qt::RightButton, {}, QPoint(x, y));
    QTest::mouseRelease(Area(), Qt::RightButton, {}, QPoint(x, y));
}

// Chooses "Export Image…" in the menu opened at a point and answers its chooser.
void ExportThroughMenu(const QString& path, QPoint at) {
    AnswerMenu("Export Image\u2026");
    WhenWindowAppears("Export Image", [path](QWidget* window) {
        qobject_cast<QFileDialog*>(window)->selectFile(path);
        QMetaObject::invokeMethod(window, "accept");
    });
    RightClick(at.x(), at.y());
}

void Drag(QPoint from, QPoint to) {
    QTest::mousePress(Area(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Area(), (from + to) / 2);
    QTest::mouseMove(Area(), to);
    QTest::mouseRelease(Area(), Qt::LeftButton, {}, to);
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        StartProgram();
        AddShape(ShapeFrom("circle,100,100,20"));
        AddShape(ShapeFrom("rectangle,150,150,40,30"));
    }
    void cleanup() { EndProgram(); }

    // clang-format off
    void everyStepUndoesAndRedoes_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QPoint>("at");         // where a menu is opened
        QTest::addColumn<std::string>("after"); // "" where it is random
        const QPoint none, circle(101, 101), rectangle(160, 160);
        QTest::newRow("add") << "add" << none << std::string();
        QTest::newRow("clear") << "clear" << none << std::string();
        QTest::newRow("update") << "update" << none << std::string("circle,7,100,20\r\nrectangle,150,150,40,30");
        QTest::newRow("load") << "load" << none << std::string("triangle,1,2,3");
        QTest::newRow("drag") << "drag" << none << std::string("circle,130,90,20\r\nrectangle,150,150,40,30");
        QTest::newRow("delete") << "Delete" << rectangle << std::string("circle,100,100,20");
        QTest::newRow("duplicate") << "Duplicate" << rectangle << std::string("circle,100,100,20\r\nrectangle,160,160,40,30\r\nrectangle,150,150,40,30");
        QTest::newRow("front") << "Bring to Front" << rectangle << std::string("rectangle,150,150,40,30\r\ncircle,100,100,20");
        QTest::newRow("back") << "Send to Back" << circle << std::string("rectangle,150,150,40,30\r\ncircle,100,100,20");
    }
    // clang-format on

    void everyStepUndoesAndRedoes() {
        QFETCH(QString, step);
        QFETCH(QPoint, at);
        QFETCH(std::string, after);
        const QTemporaryDir folder;
        const std::string before = Saved();
        if (step == "add") {
            PressButton("triangle");
        } else if (step == "clear") {
            PressButton("Clear");
        } else if (step == "update") {
            ClickDrawing(100, 100);
            SetText(GetControl(Program().ViewManager->Current(), 101), "7");
            QTest::mouseClick(WindowWidget(GetControl(Program().ViewManager->Current(), 801)),
                              Qt::LeftButton);
        } else if (step == "load") {
            WriteAll(folder.filePath("one.poly"), "triangle,1,2,3");
            AnswerChooser(folder.filePath("one.poly"));
            PressButton("Load");
        } else if (step == "drag") {
            Drag({100, 100}, {130, 90});
        } else {
            AnswerMenu(step);
            RightClick(at.x(), at.y());
        }
        const std::string done = Saved();
        QVERIFY(done != before);
        if (!after.empty())
            QCOMPARE(done, after);
        QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Saved(), before);
        QCOMPARE(Program().ViewManager->Count(), 0); // the panel emptied
        QTest::keyClick(Area(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Saved(), done);
        QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Saved(), done); // the other redo key
    }

    // clang-format off
    void stepsThatChangeNothingAreNotPushed_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("front of the top one") << "Bring to Front" << QPoint(101, 101);
        QTest::newRow("back of the bottom one") << "Send to Back" << QPoint(160, 160);
        QTest::newRow("update unchanged") << "Update" << QPoint(101, 101);
    }
    // clang-format on

    void stepsThatChangeNothingAreNotPushed() {
        QFETCH(QString, step);
        QFETCH(QPoint, at);
        if (step != "Update")
            AnswerMenu(step);
        (step == "Update" ? ClickDrawing : RightClick)(at.x(), at.y());
        if (step == "Update")
            QTest::mouseClick(WindowWidget(GetControl(Program().ViewManager->Current(), 801)),
                              Qt::LeftButton);
        QCOMPARE(Program().History->count(), 2);
    }

    void theHistoryKeepsToItsBudget() {
        const std::size_t perAdd = Program().History->Cost() / 2;
        Program().History = std::make_unique<cStepHistory>(3 * perAdd);
        for (int i = 0; i < 4; ++i)
            PressButton("circle");
        QCOMPARE(Program().History->count(), 3); // the oldest went
        while (CanUndo())
            UndoChange();
        QCOMPARE(Program().Shapes.COUNT(), 3);
    }

    void aSmallMoveIsAClickAndADragShowsLiveValues() {
        const int near = QApplication::startDragDistance();
        Drag({100, 100}, {100 + near, 100});
        QCOMPARE(Saved(), std::string("circle,100,100,20\r\nrectangle,150,150,40,30"));
        QCOMPARE(Program().History->count(), 2); // the two shapes added, nothing more
        QTest::mousePress(Area(), Qt::LeftButton, {}, {160, 160}); // the rectangle, beneath
        QTest::mouseMove(Area(), {110, 110});
        QCOMPARE(GetText(GetControl(Program().ViewManager->Current(), 102)), std::string("100"));
        QCOMPARE(ShownAt(101, 121), 0x0080FF); // outlined in orange where it is now
        const QImage frame = DrawingShown();
        RedrawShapes();
        DrawHighlighted(Program().MainWindow, 101, *Program().Shapes.ITEM(2));
        QCOMPARE(DrawingShown(), frame); // the layers paint what a whole repaint paints
        QTest::mouseRelease(Area(), Qt::LeftButton, {}, {110, 110});
        QCOMPARE(Program().History->count(), 3);
    }

    // Random changes of every sort to shapes of every kind, some with extreme values:
    // after each, the screen shows what a whole repaint and the highlight show.
    void everyRepaintShowsWhatAWholeOneShows() {
        QRandomGenerator random(20261207);
        const std::int32_t extremes[] = {INT32_MIN, -100000, -7, 0, 1 << 24, INT32_MAX};
        auto value = [&](int low, int high) {
            return random.bounded(12) == 0 ? extremes[random.bounded(6)]
                                           : random.bounded(low, high);
        };
        auto reshaped = [&](const iShape& shape) {
            ShapeValues values = shape.Values();
            for (std::size_t i = 0; i < values.size(); ++i)
                values[i] = i < 2 ? value(-20, 340) : value(-5, 90);
            return values;
        };
        const LinkListCollection& kinds = Program().ShapeTypes;
        auto newShape = [&] {
            return kinds.ITEM(random.bounded(1, kinds.COUNT() + 1))->NewShape();
        };
        for (int i = 0; i < 30; ++i)
            AddShape(newShape());
        std::shared_ptr<iShape> selected; // whose highlight shows
        for (int step = 0; step < 500; ++step) {
            const std::int32_t at = random.bounded(1, Program().Shapes.COUNT() + 2);
            const std::shared_ptr<iShape> shape = Program().Shapes.ITEM(at);
            const int change = random.bounded(12);
            std::shared_ptr<iShape> highlighted; // by this change
            if (change == 0 || change >= 9) {
                std::shared_ptr<iShape> added = newShape();
                added->SetValues(reshaped(*added));
                AddShape(added);
            } else if (change == 1 && shape) {
                UpdateShape(at, reshaped(*shape));
                RedrawShapes();
            } else if (change == 2 && shape) {
                SelectShape(Program().MainWindow, DuplicateShape(at), Host());
                highlighted = Program().Shapes.ITEM(at);
            } else if (change == 3) {
                (random.bounded(2) ? BringToFront : SendToBack)(at);
            } else if (change == 4) {
                (random.bounded(2) ? UndoChange : RedoChange)();
            } else if (change == 5 && shape) {
                SelectShape(Program().MainWindow, at, Host());
                highlighted = shape;
            } else if (change == 6) { // a press selects; a drag moves, highlighted
                const QPoint from(random.bounded(320), random.bounded(320));
                const std::int32_t hit = FindShapeAt(Program().Shapes, from.x(), from.y());
                highlighted = hit ? Program().Shapes.ITEM(hit) : selected;
                Drag(from, from + QPoint(random.bounded(-60, 60), random.bounded(-60, 60)));
            } else if (change == 7 && random.bounded(8) == 0) {
                ClearShapes();
            } else {
                DeleteShape(at);
            }
            selected = highlighted;
            const QImage shown = DrawingShown();
            DrawShapeList(Program().MainWindow, 101, Program().Shapes);
            if (selected && PositionOf(*selected) > 0)
                DrawHighlighted(Program().MainWindow, 101, *selected);
            QVERIFY2(DrawingShown() == shown, qPrintable(QString("step %1").arg(step)));
        }
    }

    void menuItemsAndTheirState() {
        QStringList onShape, onSpace;
        Program().History->clear();
        AnswerMenu("", &onShape);
        RightClick(101, 101);
        QCOMPARE(onShape, (QStringList{"Delete", "Duplicate", "Bring to Front", "Send to Back", "-",
                                       "(Undo)", "(Redo)", "-", "Export Image\u2026"}));
        QCOMPARE(Program().ViewManager->Count(), 1); // the press selected the shape
        PressButton("Clear");
        AnswerMenu("", &onSpace);
        RightClick(300, 300);
        QCOMPARE(onSpace, (QStringList{"Undo", "(Redo)", "-", "Export Image\u2026"}));
    }

    void exportImageWritesTheDrawingAsPainted() {
        const QTemporaryDir folder;
        for (const QString name : {"drawing.png", "drawing"}) {   // typed under the PNG filter
            ExportThroughMenu(folder.filePath(name), {101, 101}); // on a shape, now highlighted
            QImage png(folder.filePath("drawing.png"));
            QCOMPARE(png.convertToFormat(QImage::Format_RGB32), DrawingShown()); // no highlight
            QCOMPARE(ShownAt(81, 101), 0);
            QFile::remove(folder.filePath("drawing.png"));
        }
        ExportThroughMenu(folder.filePath("drawing.svg"), {300, 300});
        QXmlStreamReader svg(ReadAll(folder.filePath("drawing.svg")));
        QStringList shapes;
        QString fill;
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (svg.name() == u"g")
                fill = svg.attributes().value("fill").toString();
            else if (svg.name() == u"circle" || svg.name() == u"path")
                shapes << svg.name().toString() + " " + fill;
        }
        // the rectangle beneath first, both in the fill the screen shows
        QCOMPARE(shapes, (QStringList{"path #a8ffff", "circle #a8ffff"}));
    }

    void aTextBoxUndoesItsTypingFirst() {
        ClickDrawing(100, 100);
        auto* box = qobject_cast<QLineEdit*>(
            WindowWidget(GetControl(Program().ViewManager->Current(), 101)));
        QTest::keyClicks(box, "5");
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); // the typing
        QCOMPARE(box->text(), QString("100"));
        QCOMPARE(Program().Shapes.COUNT(), 2);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); // then the drawing
        QCOMPARE(Program().Shapes.COUNT(), 1);
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
