#include "TestSupport.h"
#include "shapes/RandomSource.h"

#include <QTest>

using namespace std::string_literals;

namespace {

const std::string kCircleSettings = "Invalid circle settings s/b circle,x,y,radius";
const std::string kRectangleSettings = "Invalid rectangle settings s/b rectangle,x,y,width,height";
const std::string kTriangleSettings = "Invalid triangle settings s/b triangle,x,y,radius";

} // namespace

class TestShapes : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartProgram(); }
    void cleanup() { EndProgram(); }

    // clang-format off
    void records_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<std::string>("record");
        QTest::addColumn<std::string>("after");   // ToText after FromText
        QTest::addColumn<std::string>("message"); // shown, or empty
        // Each shape starts from known values, so "unchanged" is visible in the ToText.
        const std::string circle = "circle,1,1,1", rectangle = "rectangle,1,1,1,1", triangle = "triangle,1,1,1";
        QTest::newRow("circle round trip") << "circle" << "circle,10,20,30"s << "circle,10,20,30"s << ""s;
        QTest::newRow("keyword in capitals") << "circle" << "CIRCLE,1,2,3"s << "circle,1,2,3"s << ""s;
        QTest::newRow("leading blank rejected") << "circle" << " circle,1,2,3"s << circle << "Invalid setting, s/b circle"s;
        QTest::newRow("keyword checked before the count") << "circle" << "square,1"s << circle << "Invalid setting, s/b circle"s;
        QTest::newRow("trailing comma is a fifth field") << "circle" << "circle,1,2,3,"s << circle << kCircleSettings;
        QTest::newRow("too few fields") << "circle" << "circle,1,2"s << circle << kCircleSettings;
        QTest::newRow("ties to even, negative size kept") << "circle" << "circle,1.5,2.5,-3"s << "circle,2,2,-3"s << ""s;
        QTest::newRow("rectangle round trip") << "rectangle" << "rectangle,5,6,7,8"s << "rectangle,5,6,7,8"s << ""s;
        QTest::newRow("rectangle too few") << "rectangle" << "rectangle,5,6,7"s << rectangle << kRectangleSettings;
        QTest::newRow("triangle too few: a radius, as the record has it") << "triangle" << "triangle,5,6"s << triangle << kTriangleSettings;
        QTest::newRow("triangle round trip") << "triangle" << "triangle,50,60,7"s << "triangle,50,60,7"s << ""s;
    }
    // clang-format on

    void records() {
        QFETCH(QString, kind);
        QFETCH(std::string, record);
        QFETCH(std::string, after);
        QFETCH(std::string, message);
        const auto shape =
            ShapeFrom(kind == "rectangle" ? "rectangle,1,1,1,1" : kind.toStdString() + ",1,1,1");
        const MessageRecorder messages;
        shape->FromText(record);
        QCOMPARE(shape->ToText(), after);
        QCOMPARE(messages.Texts(),
                 message.empty() ? std::vector<std::string>{} : std::vector{message});
    }

    // clang-format off
    void hitTests_data() {
        QTest::addColumn<std::string>("record");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("hit");
        const std::string c = "circle,100,100,20";
        QTest::newRow("circle just past the edge") << c << 120 << 101 << false;
        QTest::newRow("circle diagonal outside") << c << 115 << 115 << false;
        QTest::newRow("radius 0, the centre") << "circle,50,50,0"s << 50 << 50 << true;
        QTest::newRow("negative radius") << "circle,50,50,-1"s << 50 << 50 << false;
        QTest::newRow("huge radius, far point inside") << "circle,0,0,2147483647"s << 1518500249 << 1518500249 << true;

        const std::string r = "rectangle,10,20,30,40";
        QTest::newRow("rectangle bottom-right corner") << r << 40 << 60 << true;
        QTest::newRow("width 0, on the line") << "rectangle,10,20,0,40"s << 10 << 30 << true;
        QTest::newRow("negative width") << "rectangle,10,20,-5,40"s << 10 << 20 << false;
        QTest::newRow("right edge wraps past 32 bits") << "rectangle,2147483647,0,1,10"s << 2147483647 << 5 << false;
        QTest::newRow("bottom at the 32-bit limit") << "rectangle,0,2147483640,5,7"s << 3 << 2147483647 << true;

        const std::string t = "triangle,100,100,10";
        QTest::newRow("apex") << t << 100 << 90 << true;
        QTest::newRow("beside the apex") << t << 101 << 90 << false;
        QTest::newRow("row 91, half-width 0") << t << 100 << 91 << true;
        QTest::newRow("row 92, left end") << t << 99 << 92 << true;
        QTest::newRow("base row wraps past 32 bits") << "triangle,0,2147483647,10"s << 0 << 2147483647 << false;
    }
    // clang-format on

    void hitTests() {
        QFETCH(std::string, record);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, hit);
        const auto shape = ShapeFrom(record);
        QCOMPARE(shape->ToText(), record);
        QCOMPARE(shape->HitTest(x, y), hit ? kTrue : kFalse);
    }

    // clang-format off
    void newShapesStayInsideTheDrawingArea_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("least");  // the size values' range
        QTest::addColumn<int>("most");
        QTest::addColumn<bool>("centred"); // X, Y a centre (else a top-left corner)
        QTest::newRow("circle") << "circle" << 4 << 40 << true;
        QTest::newRow("rectangle") << "rectangle" << 8 << 80 << false;
        QTest::newRow("triangle") << "triangle" << 4 << 40 << true;
    }
    // clang-format on

    void newShapesStayInsideTheDrawingArea() {
        QFETCH(QString, kind);
        QFETCH(int, least);
        QFETCH(int, most);
        QFETCH(bool, centred);
        SeedRandom(0x1234567);
        int smallest = INT32_MAX, largest = INT32_MIN;
        for (int i = 0; i < 5000; ++i) {
            const ShapeValues v = Prototype(kind.toStdString())->NewShape()->Values();
            for (std::size_t axis = 0; axis < 2; ++axis) {
                const int size = v[v.size() == 4 ? 2 + axis : 2];
                QVERIFY(size >= least && size <= most);
                QVERIFY(v[axis] >= (centred ? size + 1 : 1));
                QVERIFY(v[axis] <= 320 - size);
                smallest = std::min(smallest, size);
                largest = std::max(largest, size);
            }
        }
        QCOMPARE(smallest, least); // both ends of the range come up
        QCOMPARE(largest, most);
    }

    void knownSeedGivesKnownValues() {
        // state 1: r = 0, so the first size is the lower bound; then by state * 134775813 + 1.
        SeedRandom(0);
        QCOMPARE(Prototype("circle")->NewShape()->ToText(), "circle,14,273,4"s);
        SeedRandom(12345);
        QCOMPARE(Prototype("rectangle")->NewShape()->ToText(), "rectangle,23,162,36,29"s);
        SeedRandom(0xDEADBEEF);
        std::vector<int> dice;
        for (int i = 0; i < 12; ++i)
            dice.push_back(i < 8 ? RandomBetween(1, 6) : RandomBetween(10, -10)); // either order
        QCOMPARE(dice, (std::vector<int>{3, 2, 4, 4, 6, 5, 3, 5, 10, 4, 9, 1}));
    }
};

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"
