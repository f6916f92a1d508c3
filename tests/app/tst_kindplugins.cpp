// Kinds from plugins: the example kind, built against the installed kit, in the real
// program; and every plugin or kind the program must leave out, with its reason.
#include "TestSupport.h"
#include "app/DrawingHistory.h"
#include "app/KindPlugins.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "ui/DialogService.h"
#include "ui/WindowRegistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestKindPlugins : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { EndProgram(); }

    void theExampleKindIsAKindLikeTheOthers() {
        StartUp(); // KESTRUNE_KIND_PATH names the folder the example was built into
        ShowModeless(Program().MainWindow);
        const std::int32_t kinds = Program().ShapeTypes.COUNT();
        QCOMPARE(std::string(Program().ShapeTypes.ITEM(kinds)->ShapeName()), "hexagon");
        QWidget* button = WindowWidget(GetControl(Program().MainWindow, 100 + kinds));
        QCOMPARE(qobject_cast<QPushButton*>(button)->text(), QString("hexagon"));
        QCOMPARE(button->y(), 10 + 34 * (kinds - 1));
        PressButton("hexagon");
        QCOMPARE(std::string(Program().Shapes.ITEM(1)->ShapeName()), "hexagon");
        ClearShapes();
        AddShape(ShapeFrom("hexagon,100,100,40"));
        ClickDrawing(139, 100); // inside, by the right corner
        const WindowHandle editor = Program().ViewManager->Current();
        QCOMPARE(qobject_cast<QLabel*>(WindowWidget(GetControl(editor, 503)))->text(), "Radius");
        SetText(GetControl(editor, 103), "30");
        QTest::mouseClick(WindowWidget(GetControl(editor, 801)), Qt::LeftButton);
        const QTemporaryDir folder;
        AnswerFilename(folder.filePath("h.poly"));
        PressButton("Save");
        QCOMPARE(ReadAll(folder.filePath("h.poly")), QByteArray("hexagon,100,100,30"));
        UndoChange();
        AnswerChooser(folder.filePath("h.poly"));
        PressButton("Load");
        QCOMPARE(Records(Program().Shapes), std::vector<std::string>{"hexagon,100,100,30"});
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("files"); // put in one folder: the probes or junk
        QTest::addColumn<QString>("reason");    // for the last file
        const QString kind = "kind \"%1\" left out: ";
        const QString values = "a kind has from 2 values (X and Y) to 4, and it has %1";
        LinkListCollection builtIn;
        RegisterPrototypes(builtIn);
        const QString firstWithoutRoom = "probe" + QString::number(6 - builtIn.COUNT() + 1);
        // clang-format off
        QTest::newRow("no plugin") << QStringList{"notes.txt"} << "not a Kestrune kind plugin";
        QTest::newRow("another kit") << QStringList{"probe_old.so"}
            << "built for kit 0.9; this Kestrune takes kit 1.0";
        QTest::newRow("built-in keyword") << QStringList{"probe_circle.so"}
            << kind.arg("circle") + "its keyword is already taken";
        QTest::newRow("earlier plugin's keyword") << QStringList{"probe.so", "probe_same.so"}
            << kind.arg("probe") + "its keyword is already taken";
        QTest::newRow("capital") << QStringList{"probe_upper.so"}
            << kind.arg("Probe") + "its keyword changes when lower-cased, so Load never matches it";
        QTest::newRow("comma") << QStringList{"probe_comma.so"}
            << kind.arg("pro,be") + "its keyword holds a comma, which ends a record's keyword";
        QTest::newRow("empty") << QStringList{"probe_empty.so"}
            << kind.arg("") + "its keyword is empty, and Load matches no empty keyword";
        QTest::newRow("one value") << QStringList{"probe_one.so"} << kind.arg("probe") + values.arg(1);
        QTest::newRow("five values") << QStringList{"probe_five.so"} << kind.arg("probe") + values.arg(5);
        QTest::newRow("no room") << QStringList{"probe_many.so"}
            << kind.arg(firstWithoutRoom) + "the button column has no room left (6 kinds at most)";
        QTest::newRow("no kind") << QStringList{"probe_none.so"} << "offers no kind";
        // clang-format on
    }

    // The first refusal names the last file, and every kind not refused is there.
    void refusals() {
        QFETCH(QStringList, files);
        QFETCH(QString, reason);
        const QTemporaryDir folder;
        for (const QString& file : files) {
            const QString probe = QStringLiteral(PROBE_FOLDER "/") + file;
            QVERIFY(QFile::copy(probe, folder.filePath(file)) ||
                    QFile(folder.filePath(file)).open(QIODevice::WriteOnly));
        }
        const QByteArray examplePath = qgetenv("KESTRUNE_KIND_PATH");
        qputenv("KESTRUNE_KIND_PATH", QFile::encodeName(folder.path()));
        LinkListCollection types, builtIn;
        const KindPluginReport report = RegisterKinds(types);
        qputenv("KESTRUNE_KIND_PATH", examplePath);
        QVERIFY(!report.refusals.empty());
        QCOMPARE(report.refusals.front().file, folder.filePath(files.back()));
        QCOMPARE(report.refusals.front().reason, reason);
        RegisterPrototypes(builtIn);
        QCOMPARE(types.COUNT(), builtIn.COUNT() + static_cast<std::int32_t>(report.origins.size()));
    }
};

QTEST_MAIN(TestKindPlugins)
#include "tst_kindplugins.moc"
