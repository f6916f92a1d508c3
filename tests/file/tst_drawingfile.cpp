#include "TestSupport.h"
#include "app/DrawingHistory.h"
#include "app/MainWindow.h"
#include "app/ProgramState.h"
#include "file/DrawingFile.h"
#include "file/DrawingFileIo.h"
#include "file/FileCommands.h"
#include "ui/WindowRegistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>

#include <cerrno>
#include <cstring>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace std::string_literals;
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {
// While alive, this thread has no power to override file permissions, as a user has none:
// tests run as root, where a read-only folder alone refuses nothing.
class WithoutFileOverride {
  public:
    WithoutFileOverride() {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct dropped[2] = {saved_[0], saved_[1]};
        dropped[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        syscall(SYS_capset, &header_, dropped);
    }
    ~WithoutFileOverride() { syscall(SYS_capset, &header_, saved_); }

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};
} // namespace

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
        QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" "circle,1,2,3\r\n\xEF\xBB\xBF" "circle,4"s << V{"circle,1,2,3"} << V{};
        QTest::newRow("two records") << "circle,120,87,25\r\nrectangle,10,20,80,40"s << V{"circle,120,87,25", "rectangle,10,20,80,40"} << V{};
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
        for (std::size_t i = 0; i < records.size(); ++i)
            if (records[i] != "*")
                QCOMPARE(loaded[i], records[i]);
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
        Program().Shapes.ITEM(1)->Edit(Host());
        AnswerChooser(QString()); // cancelled: the drawing stays, its editor closes
        PressButton("Load");
        QCOMPARE(Program().ViewManager->Count(), 0);
        QCOMPARE(Program().Shapes.COUNT(), 1);
        AnswerChooser(here.filePath("pair.poly"));
        PressButton("Load");
        QCOMPARE(DrawingText(Program().Shapes), saved.toStdString());
        QCOMPARE(ReadAll(here.filePath("pair.poly")), saved); // read, never written
    }

    void loadThatCannotReadKeepsTheDrawing() {
        AddShape(ShapeFrom("circle,1,2,3"));
        QCOMPARE(mkfifo(QFile::encodeName(Path("pipe.poly")).constData(), 0600), 0);
        const MessageRecorder messages;
        AnswerChooser(Path("pipe.poly"));
        PressButton("Load");
        const std::string pipe = Path("pipe.poly").toStdString();
        OpenStartingFile(Host(), pipe); // as named on the command line
        QCOMPARE(
            messages.Texts(),
            (std::vector<std::string>{
                "The drawing was kept; could not load \"" + pipe + "\": it is not a regular file.",
                "Could not load \"" + pipe +
                    "\": it is not a regular file. The drawing starts empty."}));
        QCOMPARE(Records(Program().Shapes), std::vector<std::string>{"circle,1,2,3"});
    }

    // Run by full_disk.sh on a full file system, beside the old file and in place.
    void saveOnAFullDiskKeepsTheOldFile() {
        const QString keep = qEnvironmentVariable("KESTRUNE_FULL_DISK_FILE");
        if (keep.isEmpty())
            QSKIP("needs a full file system: tests/file/full_disk.sh runs it");
        const QByteArray old = ReadAll(keep);
        std::string text; // more than the disk block the old file has
        for (int i = 0; i < 300; ++i)
            text += "circle,120,87,25\r\n";
        Host().ReplaceShapes(LoadDrawingText(text, Program().ShapeTypes));
        const MessageRecorder messages;
        AnswerFilename(keep);
        PressButton("Save");
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"The drawing was not saved to \"" + keep.toStdString() +
                                          "\": " + std::strerror(ENOSPC) + "."});
        QCOMPARE(ReadAll(keep), old);
    }

    void floodOfBadRecordsShowsElevenMessagesWhileBusy() {
        std::string text;
        for (int i = 0; i < 200000; ++i)
            text += "circle,1,2\r\n";
        WriteAll(Path("flood.poly"), QByteArray::fromStdString(text));
        std::vector<std::string> shown;
        bool busy = true;
        const MessageSink sink([&](const std::string& message, std::uint32_t, const std::string&) {
            shown.push_back(message);
            busy = busy && QApplication::overrideCursor() &&
                   QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            return kAnswerOk;
        });
        AnswerChooser(Path("flood.poly"));
        PressButton("Load");
        QCOMPARE(shown.size(), std::size_t{11});
        QCOMPARE(shown.back(), "199990 more lines had invalid settings; each was loaded as a "
                               "shape with random values."s);
        QVERIFY(busy);
        QVERIFY(!QApplication::overrideCursor()); // and no longer afterwards
        QCOMPARE(Program().Shapes.COUNT(), 200000);
    }

    void namesTheSystemTakesLoadBack() {
        QString folder = folder_.path();
        while (folder.size() < 281 - 12)
            QVERIFY(QDir().mkpath(folder += "/" + QString(40, 'd')));
        const QString path = folder + "/drawing.poly";
        QVERIFY(path.size() >= 281);
        QVERIFY(WriteDrawingFile(path.toStdString(), "circle,1,2,3").ok);
        std::string text;
        QVERIFY(ReadDrawingFile(path.toStdString(), text).ok);
        QCOMPARE(text, "circle,1,2,3"s);
    }

    void saveInAFolderTheUserCannotWrite() {
        QVERIFY(QDir().mkdir(Path("locked")));
        WriteAll(Path("locked/old.poly"), "old");
        QVERIFY(chmod(QFile::encodeName(Path("locked")).constData(), 0555) == 0);
        const WithoutFileOverride user;
        QVERIFY(WriteDrawingFile(Path("locked/old.poly").toStdString(), "circle,1,2,3").ok);
        QCOMPARE(ReadAll(Path("locked/old.poly")), QByteArray("circle,1,2,3")); // in place
        QVERIFY(!WriteDrawingFile(Path("locked/new.poly").toStdString(), "x").ok);
        QVERIFY(!QFile::exists(Path("locked/new.poly")));
        chmod(QFile::encodeName(Path("locked")).constData(), 0755);
    }

    void savePromptBlocksTheMainWindow() {
        bool modal = false;
        WhenWindowAppears(kDefaultTitle, [&modal](QWidget* prompt) {
            modal = QApplication::activeModalWidget() == prompt;
            // A click as the window system delivers it, modal windows and all.
            QWidget* main = WindowWidget(Program().MainWindow);
            QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {},
                              ClientWidget(Program().MainWindow)->mapTo(main, QPoint(390, 25)));
            QTest::keyClick(prompt->findChild<QLineEdit*>(), Qt::Key_Escape);
        });
        PressButton("Save");
        QVERIFY(modal);
        QCOMPARE(Program().Shapes.COUNT(), 0);
        QCOMPARE(DrawingText(Program().Shapes, 0), std::string()); // the empty drawing fits
        AddShape(ShapeFrom("circle,1,2,3"));
        QVERIFY(!DrawingText(Program().Shapes, 5).has_value()); // never a part of the text
    }
};

QTEST_MAIN(TestDrawingFile)
#include "tst_drawingfile.moc"
