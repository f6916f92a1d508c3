// The dialog and control service, the graphic surface and the prompts, over Qt.
#include "TestSupport.h"
#include "ui/DialogService.h"
#include "ui/GraphicService.h"
#include "ui/PopupMenu.h"
#include "ui/WindowRegistry.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

constexpr RgbColor kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

// The bounding box of the pixels that are not white.
QRect Painted(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ColourAt(image, x, y) != kWhite)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

WindowHandle MainDialog() {
    return NewDialog(kPixelUnits, 0, "Main", 10, 110, 560, 320,
                     Style::Caption | Style::SystemMenu | Style::MinimizeBox | Style::Centre, 0);
}

// A callback that counts its calls, keeps the last wParam and answers with result.
ControlCallback Counter(std::shared_ptr<std::vector<std::uint32_t>> calls, std::int32_t result) {
    return [calls, result](WindowHandle, std::uint32_t, std::uint32_t wParam, std::int32_t) {
        calls->push_back(wParam);
        return result;
    };
}

} // namespace

class TestUi : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { EndProgram(); }

    void dialogHasExactClientSizeAndIsCentred() {
        const WindowHandle main = MainDialog();
        QWidget* window = WindowWidget(main);
        QCOMPARE(ClientWidget(main)->size(), QSize(560, 320));
        const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window->frameGeometry().center().x(), work.center().x());
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->minimumSize(), window->maximumSize()); // no sizing border
    }

    void controlsSharingAnIdEachReachTheirOwnCallback() {
        const WindowHandle main = MainDialog();
        const auto first = std::make_shared<std::vector<std::uint32_t>>();
        const auto second = std::make_shared<std::vector<std::uint32_t>>();
        const auto dialog = std::make_shared<std::vector<std::uint32_t>>();
        AddControl(kPushButton, main, 101, "first", 0, 0, 80, 30, 0, 0, Counter(first, 1));
        AddControl(kPushButton, main, 101, "second", 0, 40, 80, 30, 0, 0, Counter(second, 0));
        ShowModeless(main, Counter(dialog, 0));
        dialog->clear(); // what came with the show
        const WindowHandle found = GetControl(main, 101);
        QCOMPARE(GetText(found), std::string("first")); // the first-created of the ID
        qobject_cast<QPushButton*>(WindowWidget(found + 1))->click();
        QCOMPARE(*second, std::vector<std::uint32_t>{101}); // ID 101, code 0
        QCOMPARE(*dialog, std::vector<std::uint32_t>{101}); // unhandled: the dialog hears it
        qobject_cast<QPushButton*>(WindowWidget(found))->click();
        QCOMPARE(first->size(), std::size_t{1});
        QCOMPARE(dialog->size(), std::size_t{1}); // handled: it does not
    }

    void closingFromItsOwnCallbackIsSafe() {
        const WindowHandle main = MainDialog();
        AddControl(kPushButton, main, 1, "OK", 0, 0, 80, 30, 0, 0,
                   [](WindowHandle dialog, std::uint32_t, std::uint32_t, std::int32_t) {
                       CloseDialog(dialog, 42);
                       return 0;
                   });
        std::int32_t result = 0;
        QTimer::singleShot(0,
                           [main] { qobject_cast<QPushButton*>(WindowWidget(main + 1))->click(); });
        ShowModal(main, {}, &result);
        QCOMPARE(result, 42);
        QCOMPARE(IsLiveWindow(main), 0);
    }

    void closingUnderAMenuWaitsForItsLoop() {
        const WindowHandle main = MainDialog();
        ShowModeless(main);
        QTimer::singleShot(0, [main] { WindowWidget(main)->close(); }); // while the menu is up
        QCOMPARE(ShowPopupMenu(main, {5, 5}, {{1, "One"}}), 0);
        QCOMPARE(IsLiveWindow(main), -1); // the menu is a child: the window outlived its loop
        QCoreApplication::processEvents();
        QCOMPARE(IsLiveWindow(main), 0);
    }

    void surfaceDrawsExactlyAndDefersToRedraw() {
        const WindowHandle dialog = MainDialog();
        AddControl(kGraphicControl, dialog, 101, "", 0, 0, 320, 320, Style::Border, 0);
        AddControl(kPushButton, dialog, 200, "button", 330, 0, 60, 30, 0, 0);
        ShowModeless(dialog);
        const WindowHandle area = GetControl(dialog, 101);
        GraphicAttach(dialog, 200, false);
        QCOMPARE(GraphicLastError(), kErrorNotGraphicControl);
        GraphicAttach(dialog, 101, false);
        GraphicClear(kWhite, 0);
        GraphicSetWidth(1);
        GraphicEllipse(80, 80, 120, 120, kRed, kBlue, 0); // right and bottom edges excluded
        QCOMPARE(Painted(BitmapOf(area)), QRect(80, 80, 40, 40));
        QCOMPARE(ShownImage(area), BitmapOf(area)); // shown at once
        const QImage before = ShownImage(area);
        GraphicAttach(dialog, 101, true);
        const std::array<PolygonPoint, 5> star{
            {{150, 20}, {220, 230}, {40, 100}, {260, 100}, {80, 230}}};
        GraphicPolygon(star, kRed, kBlue, 0, 1); // alternate: the centre stays out
        QCOMPARE(ColourAt(BitmapOf(area), 150, 130), kWhite);
        GraphicPolygon(star, kRed, kBlue, 0, 0); // winding fills it
        QCOMPARE(ColourAt(BitmapOf(area), 150, 130), kBlue);
        QCOMPARE(ShownImage(area), before); // deferred until the redraw
        GraphicRedraw();
        GraphicDetach();
        QCOMPARE(ColourAt(WindowWidget(area)->grab().toImage(), 151, 131), kBlue); // +1 border
    }

    void prompts() {
        Qt::TextFormat format = Qt::AutoText;
        WhenWindowAppears(kDefaultTitle, [&format](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            format = box->text() == "<b>x</b>.poly" ? box->textFormat() : format;
            box->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(ShowMessage("<b>x</b>.poly", kMessageOk, ""), kAnswerOk);
        QCOMPARE(format, Qt::PlainText); // shown as typed, never as markup
        AnswerFilename(QString(300, 'a'));
        QCOMPARE(PromptText("Filename?", "", "", -1, -1), std::string(255, 'a'));
        QStringList filters;
        QString opened;
        WhenWindowAppears("Open file", [&](QWidget* window) {
            auto* chooser = qobject_cast<QFileDialog*>(window);
            filters = chooser->nameFilters();
            opened = chooser->directory().absolutePath();
            chooser->reject();
        });
        const QString before = QDir::currentPath();
        const QString settings =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            "/QtProject.conf";
        QFile::remove(settings);
        QCOMPARE(ChooseOpenFile(0, kNoPosition, kNoPosition, "Open file", "", {{"Poly", "*.poly"}},
                                "", ".poly", kFileMustExist),
                 std::string());
        QCOMPARE(filters, QStringList{"Poly (*.poly)"});
        QCOMPARE(opened, before); // no folder given: the current one, and it stays current
        QCOMPARE(QDir::currentPath(), before);
        QVERIFY(!QFile::exists(settings)); // the chooser persists nothing
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
