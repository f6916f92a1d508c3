#include "TestSupport.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "shapes/cCircle.h"
#include "shapes/cRectangle.h"
#include "shapes/cShapeEditDialog.h"
#include "shapes/cTriangle.h"
#include "ui/WindowWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

std::shared_ptr<iShape> Shape(std::shared_ptr<iShape> shape, const std::string& record) {
    shape->FromText(record);
    return shape;
}

// The edit dialog that the view panel shows now.
WindowHandle ShownEditor() {
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

    void layout_data();
    void layout();
    void secondEditRefreshesTheSameDialog();
    void xBoxIsFocusedWithItsTextSelected();
    void updateReadsBoxesLeniently_data();
    void updateReadsBoxesLeniently();
    void cancelDiscardsTypedText();
    void editingAnotherShapeReplacesTheDialog();
    void clearRemovesAShowingDialog();
    void updateForAShapeNoLongerInTheDrawingDoesNothing();
    void destroyingTheShapeDestroysItsDialog();
};

// clang-format off
void TestEditDialog::layout_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("updateY");
    QTest::newRow("circle") << "circle" << "Edit Circle" << QStringList{"X", "Y", "Radius"} << 169;
    QTest::newRow("rectangle") << "rectangle" << "Edit Rectangle" << QStringList{"X", "Y", "Width", "Height"} << 222;
    QTest::newRow("triangle") << "triangle" << "Edit Triangle" << QStringList{"X", "Y", "Half side"} << 169;
}
// clang-format on

void TestEditDialog::layout() {
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QStringList, labels);
    QFETCH(int, updateY);
    std::shared_ptr<iShape> shape;
    if (kind == "circle")
        shape = Shape(std::make_shared<cCircle>(), "circle,11,22,33");
    else if (kind == "rectangle")
        shape = Shape(std::make_shared<cRectangle>(), "rectangle,11,22,33,44");
    else
        shape = Shape(std::make_shared<cTriangle>(), "triangle,11,22,33");
    AddShape(shape);
    shape->Edit();
    const WindowHandle editor = ShownEditor();
    QVERIFY(editor != 0);
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
    QCOMPARE(qobject_cast<QPushButton*>(Control(editor, 801))->text(), QString("Update"));
    QCOMPARE(Control(editor, 802)->geometry(), QRect(10, updateY + 33, 80, 30));
    QCOMPARE(GetUserValue(editor, 8), shape->Identity());
    QVERIFY(WindowWidget(editor)->isVisible());
}

void TestEditDialog::secondEditRefreshesTheSameDialog() {
    const auto shape = Shape(std::make_shared<cCircle>(), "circle,1,2,3");
    AddShape(shape);
    shape->Edit();
    const WindowHandle first = ShownEditor();
    Type(first, 101, "999");
    std::dynamic_pointer_cast<iCircle>(shape)->SetY(77);
    shape->Edit();
    QCOMPARE(ShownEditor(), first);
    QCOMPARE(GetText(GetControl(first, 101)), std::string("1"));
    QCOMPARE(GetText(GetControl(first, 102)), std::string("77"));
    QCOMPARE(ClientWidget(Program().ViewPanel)->findChildren<QLineEdit*>().size(), 3);
}

void TestEditDialog::xBoxIsFocusedWithItsTextSelected() {
    const auto shape = Shape(std::make_shared<cCircle>(), "circle,1234,2,3");
    AddShape(shape);
    shape->Edit();
    auto* box = qobject_cast<QLineEdit*>(Control(ShownEditor(), 101));
    QCOMPARE(box->window()->focusWidget(), box);
    QTRY_COMPARE(box->selectedText(), QString("1234")); // selected once the posted request runs
}

// clang-format off
void TestEditDialog::updateReadsBoxesLeniently_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("x");
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("12.5 ties to even") << "12.5" << 12;
    QTest::newRow("13.5 ties to even") << "13.5" << 14;
    QTest::newRow("hexadecimal") << "&H20" << 32;
    QTest::newRow("negative") << "-40" << -40;
    QTest::newRow("junk after the number") << "77 px" << 77;
}
// clang-format on

void TestEditDialog::updateReadsBoxesLeniently() {
    QFETCH(QString, typed);
    QFETCH(int, x);
    const MessageRecorder messages;
    const auto shape = Shape(std::make_shared<cRectangle>(), "rectangle,1,2,3,4");
    AddShape(shape);
    shape->Edit();
    const WindowHandle editor = ShownEditor();
    Type(editor, 101, typed);
    Type(editor, 104, "50");
    Press(editor, 801);
    const auto rectangle = std::dynamic_pointer_cast<iRectangle>(shape);
    QCOMPARE(rectangle->GetX(), x);
    QCOMPARE(rectangle->GetY(), 2);
    QCOMPARE(rectangle->GetHeight(), 50);
    QVERIFY(messages.Texts().empty());
    QVERIFY(!WindowWidget(editor)->isVisible()); // hidden, not destroyed
    QCOMPARE(IsLiveWindow(editor), -1);
    QCOMPARE(Program().ViewManager->Count(), 0);
}

void TestEditDialog::cancelDiscardsTypedText() {
    const auto shape = Shape(std::make_shared<cTriangle>(), "triangle,5,6,7");
    AddShape(shape);
    shape->Edit();
    const WindowHandle editor = ShownEditor();
    Type(editor, 101, "100");
    Press(editor, 802);
    QCOMPARE(shape->ToText(), std::string("triangle,5,6,7"));
    QVERIFY(!WindowWidget(editor)->isVisible());
    shape->Edit();
    QCOMPARE(GetText(GetControl(editor, 101)), std::string("5"));
}

void TestEditDialog::editingAnotherShapeReplacesTheDialog() {
    const auto a = Shape(std::make_shared<cCircle>(), "circle,1,2,3");
    const auto b = Shape(std::make_shared<cRectangle>(), "rectangle,1,2,3,4");
    AddShape(a);
    AddShape(b);
    a->Edit();
    const WindowHandle editorA = ShownEditor();
    b->Edit();
    const WindowHandle editorB = ShownEditor();
    QVERIFY(editorA != editorB);
    QVERIFY(!WindowWidget(editorA)->isVisible());
    QVERIFY(WindowWidget(editorB)->isVisible());
    QCOMPARE(WindowWidget(editorB)->pos(), QPoint(0, 0));
}

void TestEditDialog::clearRemovesAShowingDialog() {
    auto shape = Shape(std::make_shared<cCircle>(), "circle,1,2,3");
    AddShape(shape);
    shape->Edit();
    const WindowHandle editor = ShownEditor();
    shape.reset();
    ClearShapes();
    QCOMPARE(IsLiveWindow(editor), 0);
}

void TestEditDialog::updateForAShapeNoLongerInTheDrawingDoesNothing() {
    const auto kept = Shape(std::make_shared<cCircle>(), "circle,1,2,3");
    AddShape(kept);
    kept->Edit();
    const WindowHandle editor = ShownEditor();
    Program().Shapes.CLEAR(); // the local reference keeps the shape and its dialog alive
    Type(editor, 101, "50");
    Press(editor, 801);
    QCOMPARE(kept->ToText(), std::string("circle,1,2,3"));
    QCOMPARE(Program().ViewManager->Count(), 1); // not even the view is closed
    QVERIFY(WindowWidget(editor)->isVisible());
}

void TestEditDialog::destroyingTheShapeDestroysItsDialog() {
    WindowHandle editor = 0;
    {
        const auto shape = Shape(std::make_shared<cCircle>(), "circle,1,2,3");
        shape->Edit();
        editor = ShownEditor();
        QCOMPARE(IsLiveWindow(editor), -1);
    }
    QCOMPARE(IsLiveWindow(editor), 0);
}

QTEST_MAIN(TestEditDialog)
#include "tst_editdialog.moc"
