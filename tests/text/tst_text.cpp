#include "text/NumberText.h"
#include "text/StringBuilderA.h"
#include "text/TextFields.h"

#include <QTest>

#include <cmath>

using namespace std::string_literals;
using Fields = std::vector<std::string>;
Q_DECLARE_METATYPE(Fields)

class TestText : public QObject {
    Q_OBJECT

  private slots:

    // clang-format off
    void textToInteger_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint32>("integer");
        // Rounding: nearest, ties to even.
        QTest::newRow("3.5 ties up to even") << QByteArray("3.5") << 4;
        QTest::newRow("-2.5 ties to even") << QByteArray("-2.5") << -2;
        QTest::newRow("point first") << QByteArray(".6") << 1;
        QTest::newRow("letters") << QByteArray("abc") << 0;
        QTest::newRow("exponent") << QByteArray("1.5E1") << 15;
        QTest::newRow("d as exponent, then ties") << QByteArray("25d-1") << 2;
        // Beyond 32 bits the low 32 bits are kept.
        QTest::newRow("2^32 + 10 wraps") << QByteArray("4294967306") << 10;
        QTest::newRow("beyond 64 bits gives 0") << QByteArray("1e30") << 0;
        // Blanks, signs and junk.
        QTest::newRow("leading blank, trailing junk") << QByteArray(" 12abc") << 12;
        QTest::newRow("two signs") << QByteArray("+-7") << 0;
        // The 19th digit is dropped: 9223372036854775800 still fits in 64 bits.
        QTest::newRow("2^63 read as 18 digits") << QByteArray("9223372036854775808") << -8;
        QTest::newRow("exponent capped at 9999") << QByteArray("1e123456789") << 0;
        QTest::newRow("19 digits: the last only moves the point") << QByteArray("1234567890123456789") << 2112454924;
        QTest::newRow("digits past 18 after the point") << QByteArray("1.0000000000000000009") << 1;
        // Radix forms.
        QTest::newRow("&B101") << QByteArray("&B101") << 5;
        QTest::newRow("&HFFFF& stays 65535") << QByteArray("&HFFFF&") << 65535;
        QTest::newRow("&HFFFF is 16-bit -1") << QByteArray("&HFFFF") << -1;
        QTest::newRow("&HFFFFFFFF is 32-bit -1") << QByteArray("&HFFFFFFFF") << -1;
        QTest::newRow("&H8000 sign-extends") << QByteArray("&H8000") << -32768;
        QTest::newRow("&17 octal") << QByteArray("&17") << 15;
        QTest::newRow("64-bit hex overflow gives 0") << QByteArray("&H10000000000000000") << 0;
        QTest::newRow("64-bit hex, top bit set") << QByteArray("&HFFFFFFFFFFFFFFFF") << -1;
        QTest::newRow("? suffix, top bit set gives 0") << QByteArray("&HFFFFFFFFFFFFFFFF?") << 0;
    }
    // clang-format on

    void textToInteger() {
        QFETCH(QByteArray, text);
        QFETCH(qint32, integer);
        QCOMPARE(TextToInteger(
                     std::string_view(text.constData(), static_cast<std::size_t>(text.size()))),
                 integer);
    }

    // Beyond 32 bits, unrounded. The decimal scale P of 0.d1d2... * 10^P: from 4933 on the
    // result is 2^127, from -4933 down it is 0; inside, what extended precision makes of it.
    void textToNumber() {
        QCOMPARE(TextToNumber("&HFFFFFFFF&&"), 4294967295.0L);
        QCOMPARE(TextToNumber("1e4932"), std::ldexp(1.0L, 127)); // P = 4933
        QVERIFY(TextToNumber("1e4931") > 1e4930L);
        QVERIFY(TextToNumber("1e-4933") > 0.0L); // P = -4932
        QCOMPARE(TextToNumber("1e-4934"), 0.0L); // P = -4933
    }

    // clang-format off
    void splitFields_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::string>("separator");
        QTest::addColumn<Fields>("fields");
        QTest::newRow("record") << "circle,10,20,5"s << ","s << Fields{"circle", "10", "20", "5"};
        QTest::newRow("empty fields kept") << "circle,,20,"s << ","s << Fields{"circle", "", "20", ""};
        QTest::newRow("empty text is one empty field") << ""s << ","s << Fields{""};
        QTest::newRow("quotes protect nothing") << "\"1,2\""s << ","s << Fields{"\"1", "2\""};
        QTest::newRow("lines, trailing CR LF") << "a\r\nb\r\n"s << "\r\n"s << Fields{"a", "b", ""};
        QTest::newRow("lone CR and LF stay in their line") << "a\rb\nc"s << "\r\n"s << Fields{"a\rb\nc"};
        QTest::newRow("CR CR LF") << "a\r\r\nb"s << "\r\n"s << Fields{"a\r", "b"};
        QTest::newRow("no overlap") << "aaaa"s << "aa"s << Fields{"", "", ""};
        QTest::newRow("NUL bytes are ordinary") << "a\0b,c"s << ","s << Fields{"a\0b"s, "c"};
    }
    // clang-format on

    void splitFields() {
        QFETCH(std::string, text);
        QFETCH(std::string, separator);
        QFETCH(Fields, fields);
        const auto count = CountFields(text, separator);
        QCOMPARE(count, static_cast<std::int32_t>(fields.size()));
        const std::vector<std::string_view> split = SplitFields(text, separator, count + 2);
        QCOMPARE(Fields(split.begin(), split.begin() + count), fields);
        QVERIFY(split[count].empty() && split[count + 1].empty()); // padded to the count asked
    }

    void builderKeepsContentWhenItCannotGrow() {
        StringBuilderA builder;
        QCOMPARE(builder.ADD(std::string(3000, 'a')), StringBuilderA::Ok);
        builder.SetLimit(4000);
        QCOMPARE(builder.ADD(std::string(2000, 'b')), StringBuilderA::OutOfMemory);
        QCOMPARE(builder.ADD("cd"), StringBuilderA::Ok);
        QCOMPARE(builder.STRING(), std::string(3000, 'a') + "cd");
    }
};

QTEST_APPLESS_MAIN(TestText)
#include "tst_text.moc"
