#include "TestSupport.h"
#include "app/Commands.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "file/DrawingFile.h"
#include "file/DrawingFileIo.h"
#include "file/FileCommands.h"
#include "ui/WindowWidgets.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace std::string_literals;

namespace {

std::vector<std::string> Records(const LinkListCollection& shapes) {
    std::vector<std::string> records;
    for (std::int32_t i = 1; i <= shapes.COUNT(); ++i)
        records.push_back(shapes.ITEM(i)->ToText());
    return records;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Answers the "Filename?" prompt with name, or cancels it when name is empty.
void AnswerFilename(const QString& name) {
    WhenWindowAppears("Vantrel", [name](QWidget* prompt) {
        auto* box = prompt->findChild<QLineEdit*>();
        QTest::keyClicks(box, name);
        QTest::keyClick(box, name.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
}

// Chooses path in the "Open file" chooser, or cancels it when path is empty.
void AnswerChooser(const QString& path) {
    WhenWindowAppears("Open file", [path](QWidget* window) {
        auto* chooser = qobject_cast<QFileDialog*>(window);
        if (path.isEmpty()) {
            chooser->reject();
            return;
        }
        chooser->selectFile(path);
        QMetaObject::invokeMethod(chooser, "accept");
    });
}

void Save() {
    OnSave(Program().MainWindow, Message::Command, 105, 0);
}
void Load() {
    OnLoad(Program().MainWindow, Message::Command, 106, 0);
}

} // namespace

Q_DECLARE_METATYPE(std::vector<std::string>)

class TestDrawingFile : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    QString Path(const QString& name) const { return folder_.filePath(name); }

  private slots:
    void init() { StartProgram(); }
    void cleanup() { EndProgram(); }

    void drawingTextJoinsRecordsWithCrLf();
    void loadingText_data();
    void loadingText();
    void saveFileName_data();
    void saveFileName();
    void writeAndReadFiles();
    void writingFailuresChangeNothing_data();
    void writingFailuresChangeNothing();
    void readingFailuresAreReported();
    void saveAndLoadRoundTrip();
    void saveAppendsTheExtension();
    void cancelledSaveWritesNothing();
    void failedSaveIsReportedAndKeepsTheDrawing();
    void cancelledLoadKeepsTheDrawingAndClosesTheEditor();
    void unreadableLoadKeepsTheDrawing();
    void loadReplacesTheDrawing();
};

void TestDrawingFile::drawingTextJoinsRecordsWithCrLf() {
    LinkListCollection shapes;
    QCOMPARE(DrawingText(shapes), std::string());
    LoadDrawingText("circle,120,87,25\r\nrectangle,10,20,80,40", Program().ShapeTypes, shapes);
    QCOMPARE(DrawingText(shapes), "circle,120,87,25\r\nrectangle,10,20,80,40"s);
}

// clang-format off
void TestDrawingFile::loadingText_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::vector<std::string>>("records"); // "*" stands for random values
    QTest::addColumn<std::vector<std::string>>("messages");
    using V = std::vector<std::string>;
    QTest::newRow("two records") << "circle,120,87,25\r\nrectangle,10,20,80,40"s << V{"circle,120,87,25", "rectangle,10,20,80,40"} << V{};
    QTest::newRow("trailing line end") << "circle,1,2,3\r\n"s << V{"circle,1,2,3"} << V{};
    QTest::newRow("empty text") << ""s << V{} << V{};
    QTest::newRow("blank lines") << "\r\n\r\ncircle,1,2,3\r\n\r\n"s << V{"circle,1,2,3"} << V{};
    QTest::newRow("triangles load") << "triangle,50,60,7"s << V{"triangle,50,60,7"} << V{};
    QTest::newRow("keyword in capitals") << "CIRCLE,1,2,3"s << V{"circle,1,2,3"} << V{};
    QTest::newRow("leading blank: ignored") << " circle,1,2,3"s << V{} << V{};
    QTest::newRow("unknown keyword: ignored") << "square,1,2,3"s << V{} << V{};
    QTest::newRow("no comma: ignored") << "circle"s << V{} << V{};
    QTest::newRow("lenient numbers") << "circle,1.5,2.5,3e1"s << V{"circle,2,2,30"} << V{};
    QTest::newRow("single record, lone LF") << "circle,1,2,3\n"s << V{"circle,1,2,3"} << V{};
    QTest::newRow("LF-only file is one line") << "circle,1,2,3\ncircle,4,5,6"s << V{"*"} << V{"Invalid circle settings s/b circle,x,y,radius"};
    QTest::newRow("malformed line still adds a shape") << "circle,1,2\r\nrectangle,1,2,3,4"s << V{"*", "rectangle,1,2,3,4"} << V{"Invalid circle settings s/b circle,x,y,radius"};
    QTest::newRow("keyword only, with comma") << "rectangle,"s << V{"*"} << V{"Invalid rectangle settings s/b rectangle,x,y,width,height"};
    QTest::newRow("NUL bytes in a line") << "circle,1\0,2,3"s << V{"circle,1,2,3"} << V{};
    QTest::newRow("binary junk") << "\xFF\xFE,\r\n\x01,2"s << V{} << V{};
}
// clang-format on

void TestDrawingFile::loadingText() {
    QFETCH(std::string, text);
    QFETCH(std::vector<std::string>, records);
    QFETCH(std::vector<std::string>, messages);
    const MessageRecorder shown;
    LinkListCollection shapes;
    LoadDrawingText(text, Program().ShapeTypes, shapes);
    const std::vector<std::string> loaded = Records(shapes);
    QCOMPARE(loaded.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i] != "*")
            QCOMPARE(loaded[i], records[i]);
    }
    QCOMPARE(shown.Texts(), messages);
}

// clang-format off
void TestDrawingFile::saveFileName_data() {
    QTest::addColumn<std::string>("typed");
    QTest::addColumn<std::string>("name");
    QTest::newRow("no extension") << "drawing"s << "drawing.poly"s;
    QTest::newRow("other extension kept") << "drawing.txt"s << "drawing.txt"s;
    QTest::newRow("trailing point kept") << "drawing."s << "drawing."s;
    QTest::newRow("point in a folder") << "my.folder/drawing"s << "my.folder/drawing"s;
    QTest::newRow("already .poly") << "a.poly"s << "a.poly"s;
}
// clang-format on

void TestDrawingFile::saveFileName() {
    QFETCH(std::string, typed);
    QFETCH(std::string, name);
    QCOMPARE(SaveFileName(typed), name);
}

void TestDrawingFile::writeAndReadFiles() {
    const std::string path = Path("plain.poly").toStdString();
    QVERIFY(WriteDrawingFile(path, "circle,1,2,3\r\ncircle,4,5,6").ok);
    QCOMPARE(ReadAll(Path("plain.poly")), QByteArray("circle,1,2,3\r\ncircle,4,5,6"));
    QVERIFY(WriteDrawingFile(path, "x").ok); // over a longer file: only the new content
    QCOMPARE(ReadAll(Path("plain.poly")), QByteArray("x"));
    QVERIFY(WriteDrawingFile(path, "").ok);
    QCOMPARE(QFileInfo(Path("plain.poly")).size(), 0);
    std::string text = "unchanged";
    QVERIFY(ReadDrawingFile(path, text).ok);
    QCOMPARE(text, std::string());
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files),
             QStringList{"plain.poly"}); // no leftovers
}

// clang-format off
void TestDrawingFile::writingFailuresChangeNothing_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("missing folder") << "missing/drawing.poly";
    QTest::newRow("a folder") << ".";
    QTest::newRow("name of 256 characters") << QString(252, 'n') + ".poly";
    QTest::newRow("a pipe") << "pipe";
}
// clang-format on

void TestDrawingFile::writingFailuresChangeNothing() {
    QFETCH(QString, path);
    const QString full = path.startsWith('/') ? path : Path(path);
    const QString name = path.size() > 200 ? path : full;
    if (path == "pipe")
        QCOMPARE(mkfifo(QFile::encodeName(full).constData(), 0600), 0);
    const QStringList before =
        QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const FileResult result = WriteDrawingFile(name.toStdString(), "circle,1,2,3");
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.empty());
    QCOMPARE(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (path == "pipe") {
        QVERIFY(!QFileInfo(full).isFile()); // still the pipe
        QFile::remove(full);
    }
}

void TestDrawingFile::readingFailuresAreReported() {
    std::string text = "kept";
    QVERIFY(!ReadDrawingFile(Path("absent.poly").toStdString(), text).ok);
    QVERIFY(!QFile::exists(Path("absent.poly"))); // never created
    QVERIFY(!ReadDrawingFile(folder_.path().toStdString(), text).ok);
    QVERIFY(!ReadDrawingFile("/dev/zero", text).ok); // would never end
    QVERIFY(!ReadDrawingFile(std::string(300, 'x'), text).ok);
    QCOMPARE(text, std::string("kept"));
}

void TestDrawingFile::saveAndLoadRoundTrip() {
    AddShape(Program().ShapeTypes.ITEM(1)->NewShape());
    Program().Shapes.ITEM(1)->FromText("circle,120,87,25");
    AddShape(Program().ShapeTypes.ITEM(2)->NewShape());
    Program().Shapes.ITEM(2)->FromText("rectangle,10,20,80,40");
    AnswerFilename(Path("pair.poly"));
    Save();
    QCOMPARE(ReadAll(Path("pair.poly")), QByteArray("circle,120,87,25\r\nrectangle,10,20,80,40"));

    ClearShapes();
    AnswerChooser(Path("pair.poly"));
    Load();
    QCOMPARE(Records(Program().Shapes),
             (std::vector<std::string>{"circle,120,87,25", "rectangle,10,20,80,40"}));
}

void TestDrawingFile::saveAppendsTheExtension() {
    // A relative name with no "." anywhere: a folder below the current one.
    const QTemporaryDir here(QDir::current().filePath("drawings-XXXXXX"));
    const QString relative = QDir::current().relativeFilePath(here.filePath("drawing"));
    QVERIFY(!relative.contains('.'));
    AnswerFilename(relative);
    Save();
    QCOMPARE(ReadAll(here.filePath("drawing.poly")), QByteArray()); // an empty drawing: 0 bytes
    QVERIFY(!QFile::exists(here.filePath("drawing")));
}

void TestDrawingFile::cancelledSaveWritesNothing() {
    const QStringList before = QDir(folder_.path()).entryList(QDir::Files);
    AnswerFilename(QString());
    Save();
    WhenWindowAppears("Vantrel", [](QWidget* prompt) {
        QTest::keyClick(prompt->findChild<QLineEdit*>(), Qt::Key_Return); // OK on an empty box
    });
    Save();
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), before);
}

void TestDrawingFile::failedSaveIsReportedAndKeepsTheDrawing() {
    AddShape(Program().ShapeTypes.ITEM(1)->NewShape());
    const std::string drawing = DrawingText(Program().Shapes);
    const QByteArray version = ReadAll("/proc/version");
    {
        const MessageRecorder messages;
        AnswerFilename("/proc/version"); // exists, and no one can replace it
        Save();
        QCOMPARE(messages.Texts().size(), std::size_t{1});
        QVERIFY(QString::fromStdString(messages.Texts()[0]).contains("/proc/version"));
    }
    QCOMPARE(ReadAll("/proc/version"), version);
    {
        const MessageRecorder messages;
        AnswerFilename(Path("missing/drawing.poly"));
        Save();
        QCOMPARE(messages.Texts().size(), std::size_t{1});
        QVERIFY(!QDir(Path("missing")).exists());
    }
    QCOMPARE(DrawingText(Program().Shapes), drawing);
}

void TestDrawingFile::cancelledLoadKeepsTheDrawingAndClosesTheEditor() {
    AddShape(Program().ShapeTypes.ITEM(3)->NewShape());
    Program().Shapes.ITEM(1)->Edit();
    QCOMPARE(Program().ViewManager->Count(), 1);
    AnswerChooser(QString());
    Load();
    QCOMPARE(Program().ViewManager->Count(), 0);
    QCOMPARE(Program().Shapes.COUNT(), 1);
}

void TestDrawingFile::unreadableLoadKeepsTheDrawing() {
    AddShape(Program().ShapeTypes.ITEM(1)->NewShape());
    const std::string drawing = DrawingText(Program().Shapes);
    const QString fifo = Path("pipe.poly");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const MessageRecorder messages;
    AnswerChooser(fifo);
    Load();
    QCOMPARE(messages.Texts().size(), std::size_t{1});
    QVERIFY(QString::fromStdString(messages.Texts()[0]).contains("pipe.poly"));
    QCOMPARE(DrawingText(Program().Shapes), drawing);
}

void TestDrawingFile::loadReplacesTheDrawing() {
    WriteAll(Path("mixed.poly"), "CIRCLE,1,2,3\r\n square,1\r\ntriangle,5,6,7\r\n");
    const QByteArray before = ReadAll(Path("mixed.poly"));
    AddShape(Program().ShapeTypes.ITEM(2)->NewShape());
    AnswerChooser(Path("mixed.poly"));
    Load();
    QCOMPARE(Records(Program().Shapes),
             (std::vector<std::string>{"circle,1,2,3", "triangle,5,6,7"}));
    QCOMPARE(ReadAll(Path("mixed.poly")), before); // read-only

    WriteAll(Path("nothing.poly"), "no usable line\r\n");
    AnswerChooser(Path("nothing.poly"));
    Load();
    QCOMPARE(Program().Shapes.COUNT(), 0);
}

QTEST_MAIN(TestDrawingFile)
#include "tst_drawingfile.moc"
