#include "TestSupport.h"
#include "ui/GraphicControl.h"
#include "ui/GraphicService.h"
#include "ui/WindowRegistry.h"

#include <QTest>

#include <memory>
#include <vector>

namespace {

constexpr RgbColor kWhite = 0xFFFFFF;
constexpr RgbColor kRed = 0x0000FF;
constexpr RgbColor kBlue = 0xFF0000;

RgbColor PixelAt(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
}

// The bounding box of the pixels that are not white.
QRect Painted(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) != kWhite)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

} // namespace

class TestGraphicSurface : public QObject {
    Q_OBJECT

  private:
    WindowHandle dialog_ = 0;
    WindowHandle control_ = 0;

  private slots:
    void init();
    void cleanup();

    void clickReportsTheDialogClientPoint();
    void ellipseCoversItsBoxExclusiveOfRightAndBottom();
    void deferredDrawingWaitsForRedraw();
    void attachToAControlThatIsNotGraphicFails();
    void polygonFillRules();
};

void TestGraphicSurface::init() {
    dialog_ = NewDialog(kPixelUnits, 0, "Surface", 0, 0, 400, 400, 0, 0);
    AddControl(kGraphicControl, dialog_, 101, "", 0, 0, 320, 320,
               Style::Border | Style::NotifyClicks, 0);
    control_ = GetControl(dialog_, 101);
    ShowModeless(dialog_);
    GraphicAttach(dialog_, 101, false);
    GraphicClear(MakeRgb(255, 255, 255), 0);
    GraphicSetWidth(1);
}

void TestGraphicSurface::cleanup() {
    GraphicDetach();
    EndProgram();
}

void TestGraphicSurface::clickReportsTheDialogClientPoint() {
    auto points = std::make_shared<std::vector<ClientPoint>>();
    AddControl(kGraphicControl, dialog_, 102, "", 0, 0, 320, 320, 0x00800100, 0,
               [points](WindowHandle dialog, std::uint32_t, std::uint32_t wParam, std::int32_t) {
                   if ((wParam >> 16) == Notification::Clicked)
                       points->push_back(GetCursorClientPos(dialog));
                   return 0;
               });
    QWidget* area = WindowWidget(GetControl(dialog_, 102));
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(1, 1)); // bitmap pixel (0, 0)
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(200, 37));
    QCOMPARE(points->size(), std::size_t{2});
    QCOMPARE(points->at(0).x, 1);
    QCOMPARE(points->at(0).y, 1);
    QCOMPARE(points->at(1).x, 200);
    QCOMPARE(points->at(1).y, 37);
    QCOMPARE(area->window()->focusWidget(), area); // a press gives the control the focus
}

void TestGraphicSurface::ellipseCoversItsBoxExclusiveOfRightAndBottom() {
    GraphicEllipse(80, 80, 120, 120, kRed, kBlue, 0); // X 100, Y 100, radius 20
    QCOMPARE(Painted(BitmapOf(control_)), QRect(80, 80, 40, 40));
    QCOMPARE(PixelAt(BitmapOf(control_), 100, 100), kBlue);
    QCOMPARE(PixelAt(BitmapOf(control_), 80, 100), kRed);

    GraphicClear(kWhite, 0);
    GraphicEllipse(-10, -10, 10, 10, kRed, kBlue, 0); // reaches past the top-left edge
    QCOMPARE(Painted(BitmapOf(control_)), QRect(0, 0, 10, 10));
    QCOMPARE(PixelAt(BitmapOf(control_), 0, 0), kBlue);
}

void TestGraphicSurface::deferredDrawingWaitsForRedraw() {
    const QImage before = ShownImage(control_);
    GraphicAttach(dialog_, 101, true);
    GraphicClear(kWhite, 0);
    GraphicEllipse(10, 10, 60, 60, kRed, kBlue, 0);
    const std::array<PolygonPoint, 3> triangle{{{100, 100}, {150, 100}, {125, 50}}};
    GraphicPolygon(triangle, kRed, kBlue, 0, 0);
    QCOMPARE(ShownImage(control_), before);
    WindowWidget(control_)->repaint(); // an expose meanwhile shows the old picture too
    QCOMPARE(ShownImage(control_), before);
    QCOMPARE(PixelAt(BitmapOf(control_), 35, 35), kBlue);
    GraphicRedraw();
    QCOMPARE(ShownImage(control_), BitmapOf(control_));
    QCOMPARE(PixelAt(WindowWidget(control_)->grab().toImage(), 36, 36), kBlue); // +1 border
}

void TestGraphicSurface::attachToAControlThatIsNotGraphicFails() {
    AddControl(kPushButton, dialog_, 200, "button", 330, 0, 60, 30, 0, 0);
    GraphicAttach(dialog_, 200, false);
    QCOMPARE(GraphicLastError(), kErrorNotGraphicControl);
    const QImage before = BitmapOf(control_);
    GraphicEllipse(10, 10, 60, 60, kRed, kBlue, 0);
    QCOMPARE(BitmapOf(control_), before); // the thread has no target now
}

void TestGraphicSurface::polygonFillRules() {
    // A five-pointed star drawn in one stroke: its centre is inside twice.
    const std::array<PolygonPoint, 5> star{
        {{150, 20}, {220, 230}, {40, 100}, {260, 100}, {80, 230}}};
    GraphicPolygon(star, kRed, kBlue, 0, 0);
    QCOMPARE(PixelAt(BitmapOf(control_), 150, 130), kBlue); // winding fills the centre
    GraphicClear(kWhite, 0);
    GraphicPolygon(star, kRed, kBlue, 0, 1);
    QCOMPARE(PixelAt(BitmapOf(control_), 150, 130), kWhite); // alternate leaves it out
}

QTEST_MAIN(TestGraphicSurface)
#include "tst_graphicsurface.moc"
