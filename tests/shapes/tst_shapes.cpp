#include "TestSupport.h"
#include "shapes/RandomSource.h"
#include "shapes/cCircle.h"
#include "shapes/cRectangle.h"
#include "shapes/cTriangle.h"
#include "ui/GraphicService.h"

#include <QTest>

#include <memory>

using namespace std::string_literals;

namespace {

std::shared_ptr<iShape> Make(const QString& kind) {
    if (kind == "circle")
        return std::make_shared<cCircle>();
    if (kind == "rectangle")
        return std::make_shared<cRectangle>();
    return std::make_shared<cTriangle>();
}

std::shared_ptr<iShape> FromRecord(const QString& kind, const std::string& record) {
    auto shape = Make(kind);
    shape->FromText(record);
    return shape;
}

RgbColor PixelAt(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
}

const std::string kCircleSettings = "Invalid circle settings s/b circle,x,y,radius";
const std::string kRectangleSettings = "Invalid rectangle settings s/b rectangle,x,y,width,height";
const std::string kTriangleSettings = "Invalid triangle settings s/b triangle,x,y,radius";

} // namespace

class TestShapes : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { CloseAllDialogs(); }

    void records_data();
    void records();
    void hitTests_data();
    void hitTests();
    void newShapesStayInsideTheDrawingArea_data();
    void newShapesStayInsideTheDrawingArea();
    void knownSeedGivesKnownValues();
    void randomBetweenTakesBoundsInEitherOrder();
    void newShapeIsAFreshObjectOfTheSameKind();
    void identitiesAreUniqueAndNeverReused();
    void propertyInterfaceOnlyForItsOwnKind();
    void drawPaintsFillInsideAndOutlineOnTheEdge_data();
    void drawPaintsFillInsideAndOutlineOnTheEdge();
};

// clang-format off
void TestShapes::records_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<std::string>("record");
    QTest::addColumn<std::string>("after");   // ToText after FromText
    QTest::addColumn<std::string>("message"); // shown, or empty
    // Each shape starts from known values, so "unchanged" is visible in the ToText.
    const std::string circle = "circle,1,1,1", rectangle = "rectangle,1,1,1,1", triangle = "triangle,1,1,1";
    QTest::newRow("circle round trip") << "circle" << "circle,10,20,30"s << "circle,10,20,30"s << ""s;
    QTest::newRow("circle example") << "circle" << "circle,120,87,25"s << "circle,120,87,25"s << ""s;
    QTest::newRow("keyword in capitals") << "circle" << "CIRCLE,1,2,3"s << "circle,1,2,3"s << ""s;
    QTest::newRow("leading blank rejected") << "circle" << " circle,1,2,3"s << circle << "Invalid setting, s/b circle"s;
    QTest::newRow("keyword checked before the count") << "circle" << "square,1"s << circle << "Invalid setting, s/b circle"s;
    QTest::newRow("empty text") << "circle" << ""s << circle << "Invalid setting, s/b circle"s;
    QTest::newRow("another kind's record") << "circle" << "rectangle,1,2,3,4"s << circle << "Invalid setting, s/b circle"s;
    QTest::newRow("trailing comma is a fifth field") << "circle" << "circle,1,2,3,"s << circle << kCircleSettings;
    QTest::newRow("too few fields") << "circle" << "circle,1,2"s << circle << kCircleSettings;
    QTest::newRow("too many fields") << "circle" << "circle,10,20,30,40"s << circle << kCircleSettings;
    QTest::newRow("ties to even, negative size kept") << "circle" << "circle,1.5,2.5,-3"s << "circle,2,2,-3"s << ""s;
    QTest::newRow("low 32 bits kept") << "circle" << "circle,4294967306,0,0"s << "circle,10,0,0"s << ""s;
    QTest::newRow("leading zeros and plus") << "circle" << "circle,007,+8,9"s << "circle,7,8,9"s << ""s;
    QTest::newRow("junk fields read leniently") << "circle" << "circle,abc,1x,&H10"s << "circle,0,1,16"s << ""s;
    QTest::newRow("exponent field") << "circle" << "circle,1.5,2.5,3e1"s << "circle,2,2,30"s << ""s;
    QTest::newRow("extremes") << "circle" << "circle,-2147483648,2147483647,0"s << "circle,-2147483648,2147483647,0"s << ""s;
    QTest::newRow("rectangle round trip") << "rectangle" << "rectangle,5,6,7,8"s << "rectangle,5,6,7,8"s << ""s;
    QTest::newRow("rectangle example") << "rectangle" << "rectangle,10,20,80,40"s << "rectangle,10,20,80,40"s << ""s;
    QTest::newRow("rectangle mixed case") << "rectangle" << "ReCtAnGlE,-1,-2,0,0"s << "rectangle,-1,-2,0,0"s << ""s;
    QTest::newRow("rectangle too few") << "rectangle" << "rectangle,5,6,7"s << rectangle << kRectangleSettings;
    QTest::newRow("rectangle given a circle") << "rectangle" << "circle,1,2,3"s << rectangle << "Invalid setting, s/b rectangle"s;
    QTest::newRow("triangle round trip") << "triangle" << "triangle,50,60,7"s << "triangle,50,60,7"s << ""s;
    QTest::newRow("triangle too few") << "triangle" << "triangle,50,60"s << triangle << kTriangleSettings;
    QTest::newRow("triangle wrong keyword") << "triangle" << "triangles,1,2,3"s << triangle << "Invalid setting, s/b triangle"s;
}
// clang-format on

void TestShapes::records() {
    QFETCH(QString, kind);
    QFETCH(std::string, record);
    QFETCH(std::string, after);
    QFETCH(std::string, message);
    const MessageRecorder messages;
    const auto shape =
        FromRecord(kind, kind == "rectangle" ? "rectangle,1,1,1,1" : kind.toStdString() + ",1,1,1");
    QVERIFY(messages.Texts().empty());
    shape->FromText(record);
    QCOMPARE(shape->ToText(), after);
    const std::vector<std::string> expected =
        message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message};
    QCOMPARE(messages.Texts(), expected);
}

// clang-format off
void TestShapes::hitTests_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<std::string>("record");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("hit");
    const std::string c = "circle,100,100,20";
    QTest::newRow("circle centre") << "circle" << c << 100 << 100 << true;
    QTest::newRow("circle on the edge") << "circle" << c << 120 << 100 << true;
    QTest::newRow("circle just past the edge") << "circle" << c << 120 << 101 << false;
    QTest::newRow("circle diagonal inside") << "circle" << c << 114 << 114 << true;
    QTest::newRow("circle diagonal outside") << "circle" << c << 115 << 115 << false;
    QTest::newRow("radius 0, the centre") << "circle" << "circle,50,50,0"s << 50 << 50 << true;
    QTest::newRow("radius 0, next to it") << "circle" << "circle,50,50,0"s << 51 << 50 << false;
    QTest::newRow("negative radius") << "circle" << "circle,50,50,-1"s << 50 << 50 << false;
    QTest::newRow("huge radius, far point inside") << "circle" << "circle,0,0,2147483647"s << 1518500249 << 1518500249 << true;
    QTest::newRow("huge radius, just outside") << "circle" << "circle,0,0,2147483647"s << 1518500250 << 1518500250 << false;
    QTest::newRow("huge radius, opposite corners") << "circle" << "circle,2147483647,2147483647,2147483647"s << INT32_MIN << INT32_MIN << false;
    QTest::newRow("huge radius, edge at the limit") << "circle" << "circle,0,0,2147483647"s << 2147483647 << 0 << true;

    const std::string r = "rectangle,10,20,30,40";
    QTest::newRow("rectangle top-left corner") << "rectangle" << r << 10 << 20 << true;
    QTest::newRow("rectangle bottom-right corner") << "rectangle" << r << 40 << 60 << true;
    QTest::newRow("rectangle left of it") << "rectangle" << r << 9 << 20 << false;
    QTest::newRow("rectangle below it") << "rectangle" << r << 10 << 61 << false;
    QTest::newRow("width 0, on the line") << "rectangle" << "rectangle,10,20,0,40"s << 10 << 30 << true;
    QTest::newRow("width 0, beside the line") << "rectangle" << "rectangle,10,20,0,40"s << 11 << 30 << false;
    QTest::newRow("negative width") << "rectangle" << "rectangle,10,20,-5,40"s << 10 << 20 << false;
    QTest::newRow("negative height") << "rectangle" << "rectangle,10,20,5,-1"s << 10 << 20 << false;
    QTest::newRow("right edge wraps past 32 bits") << "rectangle" << "rectangle,2147483647,0,1,10"s << 2147483647 << 5 << false;
    QTest::newRow("bottom at the 32-bit limit") << "rectangle" << "rectangle,0,2147483640,5,7"s << 3 << 2147483647 << true;

    const std::string t = "triangle,100,100,10";
    QTest::newRow("apex") << "triangle" << t << 100 << 90 << true;
    QTest::newRow("beside the apex") << "triangle" << t << 101 << 90 << false;
    QTest::newRow("row 91, half-width 0") << "triangle" << t << 100 << 91 << true;
    QTest::newRow("row 91, one off") << "triangle" << t << 101 << 91 << false;
    QTest::newRow("row 92, left end") << "triangle" << t << 99 << 92 << true;
    QTest::newRow("row 92, right end") << "triangle" << t << 101 << 92 << true;
    QTest::newRow("row 92, past the left end") << "triangle" << t << 98 << 92 << false;
    QTest::newRow("base, left end") << "triangle" << t << 90 << 110 << true;
    QTest::newRow("base, right end") << "triangle" << t << 110 << 110 << true;
    QTest::newRow("below the base") << "triangle" << t << 100 << 111 << false;
    QTest::newRow("above the apex") << "triangle" << t << 100 << 89 << false;
    QTest::newRow("negative half side") << "triangle" << "triangle,100,100,-1"s << 100 << 100 << false;
    QTest::newRow("base row wraps past 32 bits") << "triangle" << "triangle,0,2147483647,10"s << 0 << 2147483647 << false;
}
// clang-format on

void TestShapes::hitTests() {
    QFETCH(QString, kind);
    QFETCH(std::string, record);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, hit);
    const auto shape = FromRecord(kind, record);
    QCOMPARE(shape->ToText(), record);
    QCOMPARE(shape->HitTest(x, y), hit ? kTrue : kFalse);
}

// clang-format off
void TestShapes::newShapesStayInsideTheDrawingArea_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("circle") << "circle";
    QTest::newRow("rectangle") << "rectangle";
    QTest::newRow("triangle") << "triangle";
}
// clang-format on

void TestShapes::newShapesStayInsideTheDrawingArea() {
    QFETCH(QString, kind);
    SeedRandom(0x1234567);
    const auto prototype = Make(kind);
    int smallest = INT32_MAX, largest = INT32_MIN;
    for (int i = 0; i < 5000; ++i) {
        const auto shape = prototype->NewShape();
        if (auto circle = std::dynamic_pointer_cast<iCircle>(shape)) {
            const int r = circle->GetRadius();
            QVERIFY(r >= 4 && r <= 40);
            QVERIFY(circle->GetX() >= r + 1 && circle->GetX() <= 320 - r);
            QVERIFY(circle->GetY() >= r + 1 && circle->GetY() <= 320 - r);
            smallest = std::min(smallest, r);
            largest = std::max(largest, r);
        } else if (auto rectangle = std::dynamic_pointer_cast<iRectangle>(shape)) {
            const int w = rectangle->GetWidth(), h = rectangle->GetHeight();
            QVERIFY(w >= 8 && w <= 80 && h >= 8 && h <= 80);
            QVERIFY(rectangle->GetX() >= 1 && rectangle->GetX() <= 320 - w);
            QVERIFY(rectangle->GetY() >= 1 && rectangle->GetY() <= 320 - h);
            smallest = std::min(smallest, w);
            largest = std::max(largest, w);
        } else {
            auto triangle = std::dynamic_pointer_cast<iTriangle>(shape);
            const int h = triangle->GetHalfSide();
            QVERIFY(h >= 4 && h <= 40);
            QVERIFY(triangle->GetX() >= h + 1 && triangle->GetX() <= 320 - h);
            QVERIFY(triangle->GetY() >= h + 1 && triangle->GetY() <= 320 - h);
            smallest = std::min(smallest, h);
            largest = std::max(largest, h);
        }
    }
    // Both ends of each size range do come up.
    QCOMPARE(smallest, kind == "rectangle" ? 8 : 4);
    QCOMPARE(largest, kind == "rectangle" ? 80 : 40);
}

void TestShapes::knownSeedGivesKnownValues() {
    // state 1: r = 0, so the first size is the lower bound; then 134775814 (r = 0.03138),
    // and so on by state * 134775813 + 1.
    SeedRandom(0);
    QCOMPARE(cCircle().ToText(), "circle,14,273,4"s);
    SeedRandom(12345);
    QCOMPARE(cRectangle().ToText(), "rectangle,23,162,36,29"s);
}

void TestShapes::randomBetweenTakesBoundsInEitherOrder() {
    SeedRandom(0xDEADBEEF);
    std::vector<int> dice, reversed;
    for (int i = 0; i < 8; ++i)
        dice.push_back(RandomBetween(1, 6));
    for (int i = 0; i < 4; ++i)
        reversed.push_back(RandomBetween(10, -10));
    QCOMPARE(dice, (std::vector<int>{3, 2, 4, 4, 6, 5, 3, 5}));
    QCOMPARE(reversed, (std::vector<int>{10, 4, 9, 1}));
    QCOMPARE(RandomBetween(7, 7), 7);
    for (int i = 0; i < 1000; ++i) {
        const int value = RandomBetween(INT32_MIN, INT32_MAX);
        QVERIFY(value >= INT32_MIN && value <= INT32_MAX);
    }
}

void TestShapes::newShapeIsAFreshObjectOfTheSameKind() {
    for (const QString kind : {"circle", "rectangle", "triangle"}) {
        const auto prototype =
            FromRecord(kind, kind == "rectangle" ? "rectangle,-999,-999,-999,-999"
                                                 : kind.toStdString() + ",-999,-999,-999");
        const std::string before = prototype->ToText();
        const auto fresh = prototype->NewShape();
        QCOMPARE(std::string(fresh->ShapeName()), kind.toStdString());
        QVERIFY(fresh != prototype);
        QVERIFY(fresh->ToText().find("-999") == std::string::npos); // nothing copied
        QCOMPARE(prototype->ToText(), before);                      // the prototype unchanged
    }
}

void TestShapes::identitiesAreUniqueAndNeverReused() {
    ShapeIdentity first = 0;
    {
        const cCircle gone;
        first = gone.Identity();
    }
    const cCircle a;
    const cTriangle b;
    QVERIFY(first != 0);
    QVERIFY(a.Identity() != first && b.Identity() != first && a.Identity() != b.Identity());
}

void TestShapes::propertyInterfaceOnlyForItsOwnKind() {
    const std::shared_ptr<iShape> circle = std::make_shared<cCircle>();
    QVERIFY(std::dynamic_pointer_cast<iCircle>(circle));
    QVERIFY(!std::dynamic_pointer_cast<iRectangle>(circle));
    QVERIFY(!std::dynamic_pointer_cast<iTriangle>(circle));
    auto properties = std::dynamic_pointer_cast<iCircle>(circle);
    properties->SetX(-5);
    properties->SetRadius(0);
    QCOMPARE(circle->ToText().substr(0, 9), "circle,-5"s);
    QCOMPARE(properties->GetRadius(), 0);
}

// clang-format off
void TestShapes::drawPaintsFillInsideAndOutlineOnTheEdge_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<std::string>("record");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QPoint>("edge");
    QTest::addColumn<QPoint>("outside");
    QTest::newRow("circle") << "circle" << "circle,100,100,20"s << QPoint(100, 100) << QPoint(80, 100) << QPoint(78, 100);
    QTest::newRow("rectangle") << "rectangle" << "rectangle,10,20,30,40"s << QPoint(25, 40) << QPoint(10, 40) << QPoint(8, 40);
    QTest::newRow("triangle") << "triangle" << "triangle,200,200,30"s << QPoint(200, 210) << QPoint(200, 230) << QPoint(200, 233);
}
// clang-format on

void TestShapes::drawPaintsFillInsideAndOutlineOnTheEdge() {
    QFETCH(QString, kind);
    QFETCH(std::string, record);
    QFETCH(QPoint, inside);
    QFETCH(QPoint, edge);
    QFETCH(QPoint, outside);
    const WindowHandle dialog = NewDialog(kPixelUnits, 0, "Draw", 0, 0, 320, 320, 0x00CA0000, 0);
    AddControl(kGraphicControl, dialog, 101, "", 0, 0, 320, 320, 0, 0);
    const WindowHandle area = GetControl(dialog, 101);
    const auto shape = FromRecord(kind, record);
    GraphicAttach(dialog, 101, false);
    GraphicClear(0xFFFFFF, 0);
    GraphicSetWidth(2);
    shape->Draw(std::nullopt);
    QCOMPARE(PixelAt(BitmapOf(area), inside.x(), inside.y()), kShapeFill);
    QCOMPARE(PixelAt(BitmapOf(area), edge.x(), edge.y()), kBlack);
    QCOMPARE(PixelAt(BitmapOf(area), outside.x(), outside.y()), 0xFFFFFF);
    shape->Draw(MakeRgb(255, 128, 0));
    QCOMPARE(PixelAt(BitmapOf(area), edge.x(), edge.y()), 0x0080FF);
    QCOMPARE(PixelAt(BitmapOf(area), inside.x(), inside.y()), kShapeFill);
    GraphicDetach();
}

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"
