#include "TestSupport.h"
#include "ui/Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kVantrel = QStringLiteral("Vantrel");

// Types text into the prompt's box and confirms or cancels with a key.
void AnswerPrompt(const QString& text, Qt::Key key) {
    WhenWindowAppears(kVantrel, [text, key](QWidget* prompt) {
        auto* box = prompt->findChild<QLineEdit*>();
        QVERIFY(box);
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, key);
    });
}

std::string Choose(const std::string& startFolder) {
    return ChooseOpenFile(0, kNoPosition, kNoPosition, "Open file", startFolder,
                          {{"Poly", "*.poly"}}, "", ".poly", kFileMustExist);
}

} // namespace

class TestPrompts : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { EndProgram(); }

    void messageBoxShowsTheDefaultTitle();
    void promptReturnsTheTypedText();
    void promptCutsTheAnswerTo255Characters();
    void chooserReturnsTheChosenFileAndKeepsTheCurrentDirectory();
    void chooserStartsInTheCurrentDirectoryWhenNoFolderIsGiven();
};

void TestPrompts::messageBoxShowsTheDefaultTitle() {
    QString shownText;
    WhenWindowAppears(kVantrel, [&shownText](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        QVERIFY(box);
        shownText = box->text();
        QCOMPARE(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(ShowMessage("Invalid button!", kMessageOk, ""), kAnswerOk);
    QCOMPARE(shownText, QString("Invalid button!"));
}

void TestPrompts::promptReturnsTheTypedText() {
    AnswerPrompt(QStringLiteral("drawing"), Qt::Key_Return);
    QCOMPARE(PromptText("Filename?", "", "", -1, -1), std::string("drawing"));

    QString label;
    WhenWindowAppears(QStringLiteral("Title"), [&label](QWidget* prompt) {
        label = prompt->findChild<QLabel*>()->text();
        auto* ok = prompt->findChildren<QPushButton*>().at(0);
        QCOMPARE(ok->text(), QString("OK"));
        ok->click();
    });
    QCOMPARE(PromptText("Filename?", "Title", "kept", -1, -1), std::string("kept"));
    QCOMPARE(label, QString("Filename?"));
}

void TestPrompts::promptCutsTheAnswerTo255Characters() {
    AnswerPrompt(QString(300, 'a'), Qt::Key_Enter);
    QCOMPARE(PromptText("Filename?", "", "", -1, -1), std::string(255, 'a'));
}

void TestPrompts::chooserReturnsTheChosenFileAndKeepsTheCurrentDirectory() {
    QTemporaryDir folder;
    const QString path = folder.filePath("pic.poly");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString before = QDir::currentPath();
    QStringList filters;
    WhenWindowAppears(QStringLiteral("Open file"), [&](QWidget* window) {
        auto* chooser = qobject_cast<QFileDialog*>(window);
        QVERIFY(chooser);
        filters = chooser->nameFilters();
        QCOMPARE(chooser->directory().absolutePath(), QDir(folder.path()).absolutePath());
        chooser->selectFile(path);
        QMetaObject::invokeMethod(chooser, "accept");
    });
    QCOMPARE(QString::fromStdString(Choose(folder.path().toStdString() + "/")), path);
    QCOMPARE(filters, QStringList{"Poly (*.poly)"});
    QCOMPARE(QDir::currentPath(), before);
}

void TestPrompts::chooserStartsInTheCurrentDirectoryWhenNoFolderIsGiven() {
    QString opened;
    WhenWindowAppears(QStringLiteral("Open file"), [&opened](QWidget* window) {
        auto* chooser = qobject_cast<QFileDialog*>(window);
        opened = chooser->directory().absolutePath();
        chooser->reject();
    });
    QCOMPARE(Choose(""), std::string());
    QCOMPARE(opened, QDir::current().absolutePath());
}

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
