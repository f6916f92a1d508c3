#include "TestSupport.h"
#include "app/DrawingChanges.h"
#include "app/ProgramState.h"
#include "file/DrawingFile.h"
#include "file/DrawingFileIo.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace std::string_literals;
Q_DECLARE_METATYPE(std::vector<std::string>)

class TestDrawingFile : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    QString Path(const QString& name) const { return folder_.filePath(name); }
    QStringList Entries() const {
        return QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

  private slots:
    void init() { StartProgram(); }
    void cleanup() { EndProgram(); }

    // clang-format off
    void loadingText_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::vector<std::string>>("records"); // "*" stands for random values
        QTest::addColumn<std::vector<std::string>>("messages");
        using V = std::vector<std::string>;
        QTest::newRow("two records") << "circle,120,87,25\r\nrectangle,10,20,80,40"s << V{"circle,120,87,25", "rectangle,10,20,80,40"} << V{};
        QTest::newRow("empty text") << ""s << V{} << V{};
        QTest::newRow("leading blank: ignored") << " circle,1,2,3"s << V{} << V{};
        QTest::newRow("unknown keyword: ignored") << "square,1,2,3"s << V{} << V{};
        QTest::newRow("LF-only file is one line") << "circle,1,2,3\ncircle,4,5,6"s << V{"*"} << V{"Invalid circle settings s/b circle,x,y,radius"};
        QTest::newRow("malformed line still adds a shape") << "circle,1,2\r\nrectangle,1,2,3,4"s << V{"*", "rectangle,1,2,3,4"} << V{"Invalid circle settings s/b circle,x,y,radius"};
        QTest::newRow("keyword only, with comma") << "rectangle,"s << V{"*"} << V{"Invalid rectangle settings s/b rectangle,x,y,width,height"};
        QTest::newRow("NUL bytes in a line") << "circle,1\0,2,3"s << V{"circle,1,2,3"} << V{};
    }
    // clang-format on

    void loadingText() {
        QFETCH(std::string, text);
        QFETCH(std::vector<std::string>, records);
        QFETCH(std::vector<std::string>, messages);
        const MessageRecorder shown;
        const std::vector<std::string> loaded =
            Records(LoadDrawingText(text, Program().ShapeTypes));
        QCOMPARE(loaded.size(), records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (records[i] != "*")
                QCOMPARE(loaded[i], records[i]);
        }
        QCOMPARE(shown.Texts(), messages);
    }

    // clang-format off
    void writingFailuresChangeNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "missing/drawing.poly";
        QTest::newRow("a folder") << ".";
        QTest::newRow("name of 256 characters") << QString(251, 'n') + ".poly";
        QTest::newRow("a pipe") << "pipe";
    }
    // clang-format on

    void writingFailuresChangeNothing() {
        QFETCH(QString, name);
        const bool pipe = name == "pipe";
        if (pipe)
            QCOMPARE(mkfifo(QFile::encodeName(Path(name)).constData(), 0600), 0);
        const QStringList before = Entries();
        const FileResult result = WriteDrawingFile(Path(name).toStdString(), "circle,1,2,3");
        QVERIFY(!result.ok);
        QVERIFY(!result.reason.empty());
        QCOMPARE(Entries(), before);
        if (pipe) {
            QVERIFY(!QFileInfo(Path(name)).isFile()); // still the pipe
            QFile::remove(Path(name));
        }
    }

    void saveAndLoadThroughTheButtons() {
        AddShape(ShapeFrom("circle,120,87,25"));
        AddShape(ShapeFrom("rectangle,10,20,80,40"));
        const QByteArray saved("circle,120,87,25\r\nrectangle,10,20,80,40");
        const QTemporaryDir here(QDir::current().filePath("drawings-XXXXXX"));
        const QString relative = QDir::current().relativeFilePath(here.filePath("pair"));
        AnswerFilename(relative); // no "." anywhere: ".poly" is appended
        PressButton("Save");
        QCOMPARE(ReadAll(here.filePath("pair.poly")), saved);
        AnswerFilename(QString()); // cancelled: nothing written
        PressButton("Save");
        AnswerFilename(relative + ".poly"); // over a longer file: only the new content
        PressButton("Clear");
        PressButton("Save");
        QCOMPARE(ReadAll(here.filePath("pair.poly")), QByteArray());
        QCOMPARE(QDir(here.path()).entryList(QDir::Files),
                 QStringList{"pair.poly"}); // no leftovers
        WriteAll(here.filePath("pair.poly"), saved);

        AddShape(ShapeFrom("triangle,1,2,3"));
        Program().Shapes.ITEM(1)->Edit();
        AnswerChooser(QString()); // cancelled: the drawing stays, its editor closes
        PressButton("Load");
        QCOMPARE(Program().ViewManager->Count(), 0);
        QCOMPARE(Program().Shapes.COUNT(), 1);
        AnswerChooser(here.filePath("pair.poly"));
        PressButton("Load");
        QCOMPARE(DrawingText(Program().Shapes), saved.toStdString());
        QCOMPARE(ReadAll(here.filePath("pair.poly")), saved); // read, never written
    }

    void failedSaveIsReportedAndKeepsTheFile() {
        AddShape(ShapeFrom("circle,1,2,3"));
        const QByteArray version = ReadAll("/proc/version");
        const MessageRecorder messages;
        AnswerFilename("/proc/version"); // exists, and no one can replace it
        PressButton("Save");
        QCOMPARE(messages.Texts().size(), std::size_t{1});
        QVERIFY(QString::fromStdString(messages.Texts()[0]).contains("/proc/version"));
        QCOMPARE(ReadAll("/proc/version"), version);
        QCOMPARE(Records(Program().Shapes), std::vector<std::string>{"circle,1,2,3"});
    }

    void loadThatCannotReadKeepsTheDrawing() {
        AddShape(ShapeFrom("circle,1,2,3"));
        QCOMPARE(mkfifo(QFile::encodeName(Path("pipe.poly")).constData(), 0600), 0);
        const MessageRecorder messages;
        AnswerChooser(Path("pipe.poly"));
        PressButton("Load");
        QCOMPARE(messages.Texts().size(), std::size_t{1});
        QVERIFY(QString::fromStdString(messages.Texts()[0]).contains("pipe.poly"));
        QCOMPARE(Records(Program().Shapes), std::vector<std::string>{"circle,1,2,3"});
    }
};

QTEST_MAIN(TestDrawingFile)
#include "tst_drawingfile.moc"
