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
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
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

// A key to whatever has the focus, as the keyboard sends it.
void Key(QKeyCombination key) {
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

// With the main window active, Space on the shape buttons adds the two shapes of init,
// then Shift+Tab goes back past the first button into the drawing area.
void KeyboardIntoDrawing() {
    EndProgram();
    StartProgram();
    QApplication::setActiveWindow(Area()->window());
    QVERIFY(QTest::qWaitForWindowActive(Area()->window()));
    for (const char* record : {"circle,100,100,20", "rectangle,150,150,40,30"}) {
        Key(Qt::Key_Space);
        Program().Shapes.ITEM(Program().Shapes.COUNT())->SetValues(ShapeFrom(record)->Values());
        Key(Qt::Key_Tab);
    }
    Key(Qt::ShiftModifier | Qt::Key_Backtab);
    Key(Qt::ShiftModifier | Qt::Key_Backtab);
    Key(Qt::ShiftModifier | Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), Area());
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
        QTest::newRow("Shift+F10 in a text box") << "Shift+F10:Delete" << rectangle << std::string("circle,100,100,20");
        QTest::newRow("Menu key in a text box") << "Menu:Bring to Front" << rectangle << std::string("rectangle,150,150,40,30\r\ncircle,100,100,20");
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
        } else if (const QString key = step.section(':', 0, -2); !key.isEmpty()) {
            ClickDrawing(at.x(), at.y()); // selects, and leaves the editor's X box focused
            AnswerMenu(step.section(':', -1));
            const QKeyCombination keys = QKeySequence(key)[0];
            QTest::keyClick(WindowWidget(GetControl(Program().ViewManager->Current(), 101)),
                            keys.key(), keys.keyboardModifiers());
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
    void aDragEndedAnyWayIsOneStepOrNone_data() {
        QTest::addColumn<QString>("end");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<std::string>("after");
        QTest::addColumn<std::string>("redone"); // the whole history redone
        const std::string before = "circle,100,100,20\r\nrectangle,150,150,40,30", moved = "circle,130,90,20\r\nrectangle,150,150,40,30";
        QTest::newRow("release") << "release" << QPoint(130, 90) << moved << moved;
        QTest::newRow("kept in the area") << "release" << QPoint(700, -340) << std::string("circle,318,1,20\r\nrectangle,150,150,40,30") << std::string();
        QTest::newRow("double click") << "double click" << QPoint(130, 90) << moved << moved;
        QTest::newRow("right press") << "menu" << QPoint(130, 90) << moved << moved;
        QTest::newRow("focus lost") << "deactivate" << QPoint(130, 90) << moved << moved;
        QTest::newRow("escape") << "escape" << QPoint(130, 90) << before << before;
        QTest::newRow("undo") << "undo" << QPoint(130, 90) << before << moved;
        QTest::newRow("arrow key") << "arrow" << QPoint(130, 90) << std::string("circle,131,90,20\r\nrectangle,150,150,40,30") << std::string();
    }
    // clang-format on

    void aDragEndedAnyWayIsOneStepOrNone() {
        QFETCH(QString, end);
        QFETCH(QPoint, to);
        QFETCH(std::string, after);
        QFETCH(std::string, redone);
        const std::string before = Saved();
        const QPoint from(100, 100);
        if (end == "double click") {
            ClickDrawing(from.x(), from.y());
            QTest::mouseDClick(Area(), Qt::LeftButton, {}, from);
        } else {
            QTest::mousePress(Area(), Qt::LeftButton, {}, from);
        }
        QTest::mouseMove(Area(), (from + to) / 2);
        QTest::mouseMove(Area(), to);
        QEvent deactivate(QEvent::WindowDeactivate);
        if (end == "release" || end == "double click") {
            QTest::mouseRelease(Area(), Qt::LeftButton, {}, to);
        } else if (end == "menu") {
            AnswerMenu("");
            RightClick(to.x(), to.y());
        } else if (end == "deactivate") {
            QApplication::sendEvent(WindowWidget(Program().MainWindow), &deactivate);
        } else if (end == "arrow") { // the drag, then the move by the key
            QTest::keyClick(Area(), Qt::Key_Right);
            Program().History->setIndex(3);
            QCOMPARE(Saved(), "circle,130,90,20\r\nrectangle,150,150,40,30");
            Program().History->setIndex(4);
        } else {
            QTest::keyClick(Area(), end == "undo" ? Qt::Key_Z : Qt::Key_Escape,
                            end == "undo" ? Qt::ControlModifier : Qt::NoModifier);
        }
        QTest::mouseMove(Area(), {200, 200}); // after its end, nothing follows
        QTest::mouseRelease(Area(), Qt::LeftButton, {}, {200, 200});
        QCOMPARE(Saved(), after);
        Program().History->setIndex(2);
        QCOMPARE(Saved(), before);
        Program().History->setIndex(Program().History->count());
        QCOMPARE(Saved(), redone.empty() ? after : redone);
    }

    // clang-format off
    void aDragOnTheOutlineResizes_data() {
        QTest::addColumn<std::string>("shape");
        QTest::addColumn<QPoint>("inside"); // where a click selects it
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("look"); // the pointer over from
        QTest::addColumn<std::string>("after");
        const QPoint circle(100, 100), rectangle(170, 165), triangle(100, 110);
        QTest::newRow("circle") << std::string("circle,100,100,20") << circle << QPoint(114, 114) << QPoint(130, 140) << int(Qt::SizeFDiagCursor) << std::string("circle,100,100,50");
        QTest::newRow("circle, no movement") << std::string("circle,100,100,20") << circle << QPoint(120, 100) << QPoint(120, 100) << int(Qt::SizeHorCursor) << std::string("circle,100,100,20");
        QTest::newRow("rectangle right") << std::string("rectangle,150,150,40,30") << rectangle << QPoint(191, 165) << QPoint(211, 165) << int(Qt::SizeHorCursor) << std::string("rectangle,150,150,60,30");
        QTest::newRow("rectangle left") << std::string("rectangle,150,150,40,30") << rectangle << QPoint(149, 165) << QPoint(129, 165) << int(Qt::SizeHorCursor) << std::string("rectangle,130,150,60,30");
        QTest::newRow("rectangle top") << std::string("rectangle,150,150,40,30") << rectangle << QPoint(170, 151) << QPoint(170, 131) << int(Qt::SizeVerCursor) << std::string("rectangle,150,130,40,50");
        QTest::newRow("rectangle bottom") << std::string("rectangle,150,150,40,30") << rectangle << QPoint(170, 180) << QPoint(170, 200) << int(Qt::SizeVerCursor) << std::string("rectangle,150,150,40,50");
        QTest::newRow("rectangle top left") << std::string("rectangle,150,150,40,30") << rectangle << QPoint(149, 149) << QPoint(139, 144) << int(Qt::SizeFDiagCursor) << std::string("rectangle,140,145,50,35");
        QTest::newRow("rectangle top right") << std::string("rectangle,150,150,40,30") << rectangle << QPoint(191, 149) << QPoint(201, 139) << int(Qt::SizeBDiagCursor) << std::string("rectangle,150,140,50,40");
        QTest::newRow("triangle base") << std::string("triangle,100,100,20") << triangle << QPoint(100, 121) << QPoint(100, 140) << int(Qt::SizeVerCursor) << std::string("triangle,100,100,40");
        QTest::newRow("triangle side") << std::string("triangle,100,100,20") << triangle << QPoint(89, 100) << QPoint(70, 100) << int(Qt::SizeFDiagCursor) << std::string("triangle,100,100,60");
        QTest::newRow("triangle apex") << std::string("triangle,100,100,20") << triangle << QPoint(100, 79) << QPoint(100, 60) << int(Qt::SizeVerCursor) << std::string("triangle,100,100,40");
    }
    // clang-format on

    void aDragOnTheOutlineResizes() {
        QFETCH(std::string, shape);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, look);
        QFETCH(std::string, after);
        PressButton("Clear");
        AddShape(ShapeFrom(shape));
        const int steps = Program().History->count();
        ClickDrawing(inside.x(), inside.y());
        QMouseEvent hover(QEvent::MouseMove, from, Area()->mapToGlobal(from), Qt::NoButton,
                          Qt::NoButton, {});
        QApplication::sendEvent(Area(), &hover);
        QCOMPARE(int(Area()->cursor().shape()), look);
        Drag(from, to);
        QCOMPARE(Saved(), after);
        QCOMPARE(GetText(GetControl(Program().ViewManager->Current(), 103)),
                 std::to_string(Program().Shapes.ITEM(1)->Values()[2])); // the editor follows
        QCOMPARE(Program().History->count(), steps + (after != shape ? 1 : 0));
        Program().History->setIndex(steps);
        QCOMPARE(Saved(), shape);
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
        QGuiApplication::clipboard()->setText("no shape");
        QCOMPARE(onShape,
                 (QStringList{"Delete", "Duplicate", "Cut", "Copy", "(Paste)", "Bring to Front",
                              "Send to Back", "-", "(Undo)", "(Redo)", "-", "Export Image\u2026"}));
        QCOMPARE(Program().ViewManager->Count(), 1); // the press selected the shape
        PressButton("Clear");
        QGuiApplication::clipboard()->setText("Circle,1,2,3");
        AnswerMenu("", &onSpace);
        RightClick(300, 300);
        QCOMPARE(onSpace, (QStringList{"Paste", "-", "Undo", "(Redo)", "-", "Export Image\u2026"}));
        QStringList byKey; // nothing selected, the key anywhere in the window
        AnswerMenu("", &byKey);
        QTest::keyClick(Area()->window(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(byKey, onSpace);
    }

    // clang-format off
    void clipboardKeysAndMenu_data() {
        QTest::addColumn<QString>("clipboard"); // before the step
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("after"); // the drawing's text, as a pattern
        QTest::addColumn<QStringList>("messages");
        const QString two = "\r\ncircle,100,100,20\r\nrectangle,150,150,40,30";
        QTest::newRow("copy, paste") << "" << "copy, paste" << "circle,100,100,20" + two << QStringList();
        QTest::newRow("cut") << "" << "cut" << "rectangle,150,150,40,30" << QStringList();
        QTest::newRow("paste by Load's rules") << "triangle,1,2,3\nsquare,1\r\nCircle,1,2\rrectangle,5,6,7,8" << "Paste" << "triangle,1,2,3\r\ncircle,[-0-9,]+\r\nrectangle,5,6,7,8" + two << QStringList{"Invalid circle settings s/b circle,x,y,radius"};
        QTest::newRow("no usable line") << "hello\nsquare,1" << "paste" << two.mid(2) << QStringList();
        QTest::newRow("typed in a box") << "circle,5,5,5" << "type, paste" << two.mid(2) << QStringList();
    }
    // clang-format on

    void clipboardKeysAndMenu() {
        QFETCH(QString, clipboard);
        QFETCH(QString, step);
        QFETCH(QString, after);
        QFETCH(QStringList, messages);
        const std::string before = Saved();
        QGuiApplication::clipboard()->setText(clipboard);
        ClickDrawing(101, 101);
        QCoreApplication::processEvents(); // the X box's text selected, as a click leaves it
        QWidget* box = QApplication::focusWidget();
        const MessageRecorder shown;
        if (step.startsWith("copy") || step == "cut") {
            QTest::keyClick(box, step == "cut" ? Qt::Key_X : Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), QString("circle,100,100,20"));
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            QCOMPARE(QImage::fromData(data->data("image/png")).size(), QSize(41, 41)); // alone
            QVERIFY(data->data("image/svg+xml").contains("<svg"));
        } else if (step == "Paste") {
            AnswerMenu(step);
            RightClick(300, 300);
        } else if (step.startsWith("type")) {
            QTest::keyClicks(box, "7");
        }
        if (step.endsWith("paste"))
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(QRegularExpression(QRegularExpression::anchoredPattern(after))
                    .match(QString::fromStdString(Saved()))
                    .hasMatch());
        QStringList texts;
        for (const std::string& text : shown.Texts())
            texts << QString::fromStdString(text);
        QCOMPARE(texts, messages);
        if (Saved() != before) { // one step
            QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(Saved(), before);
        }
    }

    // clang-format off
    void droppingAFile_data() {
        QTest::addColumn<QStringList>("dropped"); // names in a folder of its own, or addresses
        QTest::addColumn<bool>("opens");
        QTest::newRow("a drawing file") << QStringList{"one.poly"} << true;
        QTest::newRow("two files") << QStringList{"one.poly", "one.poly"} << false;
        QTest::newRow("a folder") << QStringList{"."} << false;
        QTest::newRow("remote") << QStringList{"https://example.org/one.poly"} << false;
        QTest::newRow("text") << QStringList{} << false;
    }
    // clang-format on

    void droppingAFile() {
        QFETCH(QStringList, dropped);
        QFETCH(bool, opens);
        const QTemporaryDir folder;
        WriteAll(folder.filePath("one.poly"), "triangle,1,2,3");
        const std::string before = Saved();
        QList<QUrl> urls;
        for (const QString& name : dropped)
            urls << (name.contains(':') ? QUrl(name) : QUrl::fromLocalFile(folder.filePath(name)));
        QMimeData data;
        urls.isEmpty() ? data.setText("triangle,1,2,3") : data.setUrls(urls);
        QWidget* window = WindowWidget(Program().MainWindow);
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window, &enter);
        QCOMPARE(enter.isAccepted(), opens);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window, &drop);
        QCOMPARE(Saved(), opens ? std::string("triangle,1,2,3") : before);
        QTest::keyClick(Area(), Qt::Key_Z, Qt::ControlModifier); // one step
        QCOMPARE(Saved(), opens ? before : std::string("circle,100,100,20"));
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

    void theKeyboardAlone() {
        KeyboardIntoDrawing();
        const std::string rest = "\r\nrectangle,150,150,40,30";
        QCOMPARE(Area()->grab().toImage().pixel(0, 0),
                 Area()->palette().color(QPalette::Highlight).rgb());
        const std::pair<QKeyCombination, std::string> walk[] = {
            {Qt::Key_Tab, "circle,100,100,20" + rest}, // selects position 1
            {Qt::Key_Right, "circle,101,100,20" + rest},
            {Qt::ShiftModifier | Qt::Key_Down, "circle,101,110,20" + rest},
            {Qt::Key_Escape, "circle,101,110,20" + rest},
            {Qt::Key_Left, "circle,101,110,20" + rest}, // nothing selected
            {Qt::ShiftModifier | Qt::Key_Backtab, "circle,101,110,20" + rest},
            {Qt::Key_Delete, "circle,101,110,20"},
            {Qt::Key_Tab, "circle,101,110,20"},
            {Qt::Key_Enter, "circle,101,110,20"},
        };
        for (const auto& [key, saved] : walk) {
            Key(key);
            QCOMPARE(Saved(), saved);
        }
        QCOMPARE(Program().History->index(), 4); // two adds, one run of moves, Delete
        QTest::qWait(0); // the X box's text is selected once events are processed
        QTest::keyClicks(QApplication::focusWidget(), "7");
        while (QApplication::focusWidget()->property("text") != "Update")
            Key(Qt::Key_Tab);
        Key(Qt::Key_Space);
        QCOMPARE(Saved(), std::string("circle,7,110,20"));
        for (int undo = 0; undo < 3; ++undo)
            Key(Qt::ControlModifier | Qt::Key_Z);
        QCOMPARE(Saved(), "circle,100,100,20" + rest);
        ClickDrawing(300, 300);
        QCOMPARE(Area()->grab().toImage().pixel(0, 0),
                 Area()->palette().color(QPalette::Dark).rgb());
    }

    void tabPastTheLastShapeLeavesTheDrawing() {
        KeyboardIntoDrawing();
        Key(Qt::Key_Tab);
        Key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Area());
        Key(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != Area());
        QCOMPARE(FindShapeIndex(Program().ViewManager->Current()), 2);
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
