#include "file/StringBuilderA.h"
#include "file/TextFields.h"

#include <QTest>

#include <array>
#include <thread>

using namespace std::string_literals;

Q_DECLARE_METATYPE(std::vector<std::string>)

class TestTextFields : public QObject {
    Q_OBJECT

  private slots:
    void splitFields_data();
    void splitFields();
    void splitFieldsPadsToTheCount();
    void findText_data();
    void findText();
    void lowerCaseTouchesOnlyAsciiLetters();
    void builderAppendsAndGrowsByDoubling();
    void builderKeepsContentWhenItCannotGrow();
    void builderIsSafeToShare();
};

// clang-format off
void TestTextFields::splitFields_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::string>("separator");
    QTest::addColumn<std::vector<std::string>>("fields");
    using V = std::vector<std::string>;
    QTest::newRow("record") << "circle,10,20,5"s << ","s << V{"circle", "10", "20", "5"};
    QTest::newRow("empty fields kept") << "circle,,20,"s << ","s << V{"circle", "", "20", ""};
    QTest::newRow("empty text is one empty field") << ""s << ","s << V{""};
    QTest::newRow("no separator") << "circle"s << ","s << V{"circle"};
    QTest::newRow("quotes protect nothing") << "\"1,2\""s << ","s << V{"\"1", "2\""};
    QTest::newRow("lines, trailing CR LF") << "a\r\nb\r\n"s << "\r\n"s << V{"a", "b", ""};
    QTest::newRow("lone CR and LF stay in their line") << "a\rb\nc"s << "\r\n"s << V{"a\rb\nc"};
    QTest::newRow("CR CR LF") << "a\r\r\nb"s << "\r\n"s << V{"a\r", "b"};
    QTest::newRow("no overlap") << "aaaa"s << "aa"s << V{"", "", ""};
    QTest::newRow("NUL bytes are ordinary") << "a\0b,c"s << ","s << V{"a\0b"s, "c"};
    QTest::newRow("separators only") << ",,,"s << ","s << V{"", "", "", ""};
}
// clang-format on

void TestTextFields::splitFields() {
    QFETCH(std::string, text);
    QFETCH(std::string, separator);
    QFETCH(std::vector<std::string>, fields);
    const std::int32_t count = CountFields(text, separator);
    QCOMPARE(count, static_cast<std::int32_t>(fields.size()));
    const std::vector<std::string_view> views = SplitFields(text, separator, count);
    QCOMPARE(std::vector<std::string>(views.begin(), views.end()), fields);
}

void TestTextFields::splitFieldsPadsToTheCount() {
    const std::vector<std::string_view> fields = SplitFields("a,b", ",", 4);
    QCOMPARE(fields, (std::vector<std::string_view>{"a", "b", "", ""}));
    std::array<std::string_view, 2> firstTwo;
    SplitFieldsInto("circle,1,2,3", ",", firstTwo);
    QCOMPARE(firstTwo[0], std::string_view("circle"));
    QCOMPARE(firstTwo[1], std::string_view("1"));
    QVERIFY(SplitFields("a,b", ",", 0).empty());
}

// clang-format off
void TestTextFields::findText_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::string>("pattern");
    QTest::addColumn<int>("position");
    QTest::newRow("point in a file name") << 1 << "pic.poly"s << "."s << 4;
    QTest::newRow("no point") << 1 << "pic"s << "."s << 0;
    QTest::newRow("empty text") << 1 << ""s << "."s << 0;
    QTest::newRow("from a later start") << 5 << "a.b.c"s << "."s << 0;
    QTest::newRow("second occurrence") << 3 << "a.b.c"s << "."s << 4;
    QTest::newRow("case-sensitive") << 1 << "ABC"s << "b"s << 0;
    QTest::newRow("first comma") << 1 << "circle,1,2"s << ","s << 7;
}
// clang-format on

void TestTextFields::findText() {
    QFETCH(int, start);
    QFETCH(std::string, text);
    QFETCH(std::string, pattern);
    QFETCH(int, position);
    QCOMPARE(FindText(start, text, pattern), position);
}

void TestTextFields::lowerCaseTouchesOnlyAsciiLetters() {
    QCOMPARE(LowerCase("CiRcLe"), "circle"s);
    QCOMPARE(LowerCase(" circle"), " circle"s);
    // "É" in UTF-8 must come through byte for byte.
    QCOMPARE(LowerCase("\xC3\x89T\xC3\xA9"), "\xC3\x89t\xC3\xA9"s);
    QCOMPARE(LowerCase("A\0B"s), "a\0b"s);
}

void TestTextFields::builderAppendsAndGrowsByDoubling() {
    StringBuilderA builder;
    QCOMPARE(builder.Capacity(), std::size_t{1024});
    QCOMPARE(builder.ADD(""), StringBuilderA::Ok);
    QCOMPARE(builder.STRING(), ""s);
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string piece = "circle," + std::to_string(i) + "\r\n";
        QCOMPARE(builder.ADD(piece), StringBuilderA::Ok);
        expected += piece;
    }
    QCOMPARE(builder.STRING(), expected);
    QCOMPARE(builder.STRING(), expected); // STRING leaves the builder unchanged
    QCOMPARE(builder.Capacity(), std::size_t{65536});
    QCOMPARE(builder.ADD("\0x"s), StringBuilderA::Ok);
    QCOMPARE(builder.STRING(), expected + "\0x"s);
}

void TestTextFields::builderKeepsContentWhenItCannotGrow() {
    StringBuilderA builder;
    builder.SetLimit(1500);
    QCOMPARE(builder.ADD(std::string(1000, 'a')), StringBuilderA::Ok);
    QCOMPARE(builder.ADD(std::string(600, 'b')), StringBuilderA::OutOfMemory);
    QCOMPARE(builder.STRING(), std::string(1000, 'a'));
    QCOMPARE(builder.ADD(std::string(500, 'c')), StringBuilderA::Ok);
    QCOMPARE(builder.STRING().size(), std::size_t{1500});
}

void TestTextFields::builderIsSafeToShare() {
    StringBuilderA builder;
    auto add = [&builder] {
        for (int i = 0; i < 2000; ++i)
            builder.ADD("abcd");
    };
    std::thread first(add), second(add);
    first.join();
    second.join();
    std::string expected;
    for (int i = 0; i < 4000; ++i)
        expected += "abcd";
    QCOMPARE(builder.STRING(), expected); // whole pieces only, none lost
}

QTEST_APPLESS_MAIN(TestTextFields)
#include "tst_textfields.moc"
