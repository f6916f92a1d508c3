#include "TestSupport.h"
#include "app/DrawingHistory.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "ui/DialogService.h"
#include "ui/WindowRegistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// Adds the shape of the record to the drawing and opens its editor.
WindowHandle Edit(const std::string& record) {
    AddShape(ShapeFrom(record));
    Program().Shapes.ITEM(Program().Shapes.COUNT())->Edit(Host());
    return Program().ViewManager->Current();
}

QWidget* Control(WindowHandle dialog, std::int32_t id) {
    return WindowWidget(GetControl(dialog, id));
}

void Type(WindowHandle dialog, std::int32_t box, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(Control(dialog, box));
    edit->clear();
    QTest::keyClicks(edit, text);
}

void Press(WindowHandle dialog, std::int32_t button) {
    QTest::mouseClick(Control(dialog, button), Qt::LeftButton);
}

} // namespace

class TestEditDialog : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartProgram(); }
    void cleanup() { EndProgram(); }

    // clang-format off
    void layout_data() {
        QTest::addColumn<std::string>("record");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("updateY");
        QTest::newRow("circle") << std::string("circle,11,22,33") << "Edit Circle" << QStringList{"X", "Y", "Radius"} << 169;
        QTest::newRow("rectangle") << std::string("rectangle,11,22,33,44") << "Edit Rectangle" << QStringList{"X", "Y", "Width", "Height"} << 222;
        QTest::newRow("triangle") << std::string("triangle,11,22,33") << "Edit Triangle" << QStringList{"X", "Y", "Half side"} << 169;
    }
    // clang-format on

    void layout() {
        QFETCH(std::string, record);
        QFETCH(QString, caption);
        QFETCH(QStringList, labels);
        QFETCH(int, updateY);
        const WindowHandle editor = Edit(record);
        QCOMPARE(WindowWidget(editor)->windowTitle(), caption);
        QCOMPARE(WindowWidget(editor)->parentWidget(), ClientWidget(Program().ViewPanel));
        const QStringList values{"11", "22", "33", "44"};
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(qobject_cast<QLabel*>(Control(editor, 501 + i))->text(), labels[i]);
            QCOMPARE(Control(editor, 501 + i)->geometry(), QRect(10, 10 + 53 * i, 80, 19));
            QCOMPARE(qobject_cast<QLineEdit*>(Control(editor, 101 + i))->text(), values[i]);
            QCOMPARE(Control(editor, 101 + i)->geometry(), QRect(10, 30 + 53 * i, 80, 23));
        }
        QCOMPARE(GetControl(editor, 501 + static_cast<int>(labels.size())), WindowHandle{0});
        QCOMPARE(Control(editor, 801)->geometry(), QRect(10, updateY, 80, 30));
        QCOMPARE(Control(editor, 802)->geometry(), QRect(10, updateY + 33, 80, 30));
        auto* box = qobject_cast<QLineEdit*>(Control(editor, 101));
        QCOMPARE(box->window()->focusWidget(), box);
        QTRY_COMPARE(box->selectedText(), QString("11")); // once the posted request has run
    }

    // clang-format off
    void updateReadsBoxesLeniently_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::string>("record");
        QTest::newRow("letters") << "abc" << std::string("rectangle,0,2,3,50");
        QTest::newRow("ties to even") << "12.5" << std::string("rectangle,12,2,3,50");
        QTest::newRow("hexadecimal, junk after it") << "&H20 px" << std::string("rectangle,32,2,3,50");
    }
    // clang-format on

    void updateReadsBoxesLeniently() {
        QFETCH(QString, typed);
        QFETCH(std::string, record);
        const MessageRecorder messages;
        const WindowHandle editor = Edit("rectangle,1,2,3,4");
        Type(editor, 101, typed);
        Type(editor, 104, "50");
        Press(editor, 801);
        QCOMPARE(Records(Program().Shapes), std::vector{record});
        QVERIFY(messages.Texts().empty());
        QVERIFY(!WindowWidget(editor)->isVisible()); // hidden, not destroyed
        QCOMPARE(IsLiveWindow(editor), -1);
        QCOMPARE(Program().ViewManager->Count(), 0);
    }

    void editAgainRefreshesTheSameDialog() {
        const WindowHandle editor = Edit("triangle,5,6,7");
        Type(editor, 101, "100");
        Press(editor, 802); // Cancel: nothing stored
        QCOMPARE(Records(Program().Shapes), std::vector<std::string>{"triangle,5,6,7"});
        QVERIFY(!WindowWidget(editor)->isVisible());
        Program().Shapes.ITEM(1)->Edit(Host());
        QCOMPARE(Program().ViewManager->Current(), editor);
        QCOMPARE(GetText(GetControl(editor, 101)), std::string("5"));
        Edit("circle,1,2,3"); // another shape's editor takes its place
        QVERIFY(!WindowWidget(editor)->isVisible());
        QCOMPARE(WindowWidget(Program().ViewManager->Current())->pos(), QPoint(0, 0));
        const WindowHandle shown = Program().ViewManager->Current();
        PressButton("Clear"); // the history keeps the shapes, but not their dialogs
        QCOMPARE(IsLiveWindow(shown) | IsLiveWindow(editor), 0);
        UndoChange();
        Program().Shapes.ITEM(1)->Edit(Host()); // built again
        QCOMPARE(GetText(GetControl(Program().ViewManager->Current(), 101)), std::string("5"));
    }

    void updateForAShapeNoLongerInTheDrawingDoesNothing() {
        const WindowHandle editor = Edit("circle,1,2,3");
        LinkListCollection removed;
        removed.ADD(Program().Shapes.ITEM(1)); // keeps the shape and its dialog alive
        Program().Shapes.CLEAR();
        Type(editor, 101, "50");
        Press(editor, 801);
        QCOMPARE(Records(removed), std::vector<std::string>{"circle,1,2,3"});
        QCOMPARE(Program().ViewManager->Count(), 1); // not even the view is closed
        QVERIFY(WindowWidget(editor)->isVisible());
    }
};

QTEST_MAIN(TestEditDialog)
#include "tst_editdialog.moc"
