#include "file/NumberText.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <random>

using namespace std::string_literals;

class TestNumberText : public QObject {
    Q_OBJECT

  private slots:
    void formatNumber_data();
    void formatNumber();
    void textToInteger_data();
    void textToInteger();
    void textToNumber_data();
    void textToNumber();
    void formatThenReadIsIdentity();
    void leadingBlanksNeverChangeTheResult();
};

// clang-format off
void TestNumberText::formatNumber_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64{0} << "0";
    QTest::newRow("positive") << qint64{42} << "42";
    QTest::newRow("negative") << qint64{-7} << "-7";
    QTest::newRow("largest 32-bit") << qint64{2147483647} << "2147483647";
    QTest::newRow("smallest 32-bit") << qint64{-2147483648} << "-2147483648";
    QTest::newRow("more digits than the mask") << qint64{123456} << "123456";
    QTest::newRow("smallest 64-bit") << std::numeric_limits<qint64>::min() << "-9223372036854775808";
}
// clang-format on

void TestNumberText::formatNumber() {
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatNumber(value, "0")), text);
}

// clang-format off
void TestNumberText::textToInteger_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint32>("integer");
    // Rounding: nearest, ties to even.
    QTest::newRow("2.5 ties down to even") << QByteArray("2.5") << 2;
    QTest::newRow("3.5 ties up to even") << QByteArray("3.5") << 4;
    QTest::newRow("-2.5 ties to even") << QByteArray("-2.5") << -2;
    QTest::newRow("0.5 ties to zero") << QByteArray("0.5") << 0;
    QTest::newRow("1.5 ties to two") << QByteArray("1.5") << 2;
    QTest::newRow("12.7 rounds up") << QByteArray("12.7") << 13;
    QTest::newRow("-12.7 rounds down") << QByteArray("-12.7") << -13;
    QTest::newRow("12.5 typed in a box") << QByteArray("12.5") << 12;
    QTest::newRow("13.5 typed in a box") << QByteArray("13.5") << 14;
    QTest::newRow("0.49999") << QByteArray("0.49999") << 0;
    // Blanks, signs and junk.
    QTest::newRow("leading blank, trailing junk") << QByteArray(" 12abc") << 12;
    QTest::newRow("stops at a blank") << QByteArray("12 34") << 12;
    QTest::newRow("tab, CR and LF are blanks") << QByteArray("\t\r\n 8") << 8;
    QTest::newRow("other control bytes are not") << QByteArray("\v8") << 0;
    QTest::newRow("letters") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("only blanks") << QByteArray("   ") << 0;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("blank after the sign") << QByteArray("- 7") << 0;
    QTest::newRow("two signs") << QByteArray("+-7") << 0;
    QTest::newRow("lone minus") << QByteArray("-") << 0;
    QTest::newRow("lone point") << QByteArray(".") << 0;
    QTest::newRow("sign after digits ends the number") << QByteArray("7-3") << 7;
    // Decimal point.
    QTest::newRow("point first") << QByteArray(".5") << 0;
    QTest::newRow("point first, rounds up") << QByteArray(".6") << 1;
    QTest::newRow("point last") << QByteArray("5.") << 5;
    QTest::newRow("second point stops") << QByteArray("1.2.3") << 1;
    QTest::newRow("negative point first") << QByteArray("-.75") << -1;
    QTest::newRow("leading zeros") << QByteArray("007") << 7;
    QTest::newRow("zeros after the point") << QByteArray("0.0009e4") << 9;
    // Exponents.
    QTest::newRow("e3") << QByteArray("1e3") << 1000;
    QTest::newRow("E1 with fraction") << QByteArray("1.5E1") << 15;
    QTest::newRow("d as exponent") << QByteArray("25d-1") << 2;
    QTest::newRow("D as exponent") << QByteArray("3D2") << 300;
    QTest::newRow("marker without digits") << QByteArray("1e") << 1;
    QTest::newRow("marker then junk") << QByteArray("4ex") << 4;
    QTest::newRow("marker then sign only") << QByteArray("4e+") << 4;
    QTest::newRow("negative exponent") << QByteArray("1500e-2") << 15;
    QTest::newRow("exponent with plus") << QByteArray("2e+2") << 200;
    QTest::newRow("exponent without mantissa") << QByteArray("e5") << 0;
    QTest::newRow("3e1 in a record") << QByteArray("3e1") << 30;
    // Beyond 32 bits: the low 32 bits are kept.
    QTest::newRow("2^31 wraps") << QByteArray("2147483648") << -2147483647 - 1;
    QTest::newRow("2^32 + 1 wraps") << QByteArray("4294967297") << 1;
    QTest::newRow("2^32 + 10 wraps") << QByteArray("4294967306") << 10;
    QTest::newRow("-2^31 - 1 wraps") << QByteArray("-2147483649") << 2147483647;
    QTest::newRow("beyond 64 bits gives 0") << QByteArray("1e30") << 0;
    QTest::newRow("past 2^63 gives 0") << QByteArray("9.3e18") << 0;
    QTest::newRow("past -2^63 gives 0") << QByteArray("-9.3e18") << 0;
    // The 19th digit is dropped: 9223372036854775800 still fits in 64 bits.
    QTest::newRow("2^63 read as 18 digits") << QByteArray("9223372036854775808") << -8;
    QTest::newRow("-2^63 read as 18 digits") << QByteArray("-9223372036854775808") << 8;
    QTest::newRow("last digit dropped") << QByteArray("9223372036854774784") << -1028;
    QTest::newRow("huge exponent") << QByteArray("1e9999") << 0;
    QTest::newRow("exponent capped at 9999") << QByteArray("1e123456789") << 0;
    QTest::newRow("tiny") << QByteArray("1e-9999") << 0;
    QTest::newRow("zero with huge exponent") << QByteArray("0e9999") << 0;
    // Digits past the 18th only move the point.
    QTest::newRow("19 digits") << QByteArray("1234567890123456789") << 2112454924; // ...780 QTest::newRow("digits past 18 after the point") << // QByteArray("1.0000000000000000009") << 1;
    QTest::newRow("long run of digits scaled down") << QByteArray("123456789012345678901234e-20") << 1235;
    // Radix forms.
    QTest::newRow("not a radix prefix") << QByteArray("0x1F") << 0;
    QTest::newRow("&H1F") << QByteArray("&H1F") << 31;
    QTest::newRow("&hff") << QByteArray("&hff") << 255;
    QTest::newRow("&HFFFF is 16-bit -1") << QByteArray("&HFFFF") << -1;
    QTest::newRow("&HFFFF& stays 65535") << QByteArray("&HFFFF&") << 65535;
    QTest::newRow("&H0FFFF leading zero") << QByteArray("&H0FFFF") << 65535;
    QTest::newRow("&HFFFFFFFF is 32-bit -1") << QByteArray("&HFFFFFFFF") << -1;
    QTest::newRow("&HFFFFFFFF&& wraps to -1") << QByteArray("&HFFFFFFFF&&") << -1;
    QTest::newRow("&H8000 sign-extends") << QByteArray("&H8000") << -32768;
    QTest::newRow("&H8000% sign-extends") << QByteArray("&H8000%") << -32768;
    QTest::newRow("&H7FFF") << QByteArray("&H7FFF") << 32767;
    QTest::newRow("&H10000") << QByteArray("&H10000") << 65536;
    QTest::newRow("&B101") << QByteArray("&B101") << 5;
    QTest::newRow("&b2 has no binary digit") << QByteArray("&b2") << 0;
    QTest::newRow("&17 octal") << QByteArray("&17") << 15;
    QTest::newRow("&O17") << QByteArray("&O17") << 15;
    QTest::newRow("&Q17") << QByteArray("&q17") << 15;
    QTest::newRow("&8 no octal digit") << QByteArray("&8") << 0;
    QTest::newRow("&H without digits") << QByteArray("&H") << 0;
    QTest::newRow("&H then junk") << QByteArray("&Hxyz") << 0;
    QTest::newRow("no sign before &") << QByteArray("-&H10") << 0;
    QTest::newRow("blank before &") << QByteArray("  &H10") << 16;
    QTest::newRow("hex stops at junk") << QByteArray("&H1G") << 1;
    QTest::newRow("64-bit hex overflow gives 0") << QByteArray("&H10000000000000000") << 0;
    QTest::newRow("64-bit hex, top bit set") << QByteArray("&HFFFFFFFFFFFFFFFF") << -1;
    QTest::newRow("? suffix, top bit set gives 0") << QByteArray("&HFFFFFFFFFFFFFFFF?") << 0;
    QTest::newRow("? suffix keeps 16-bit values") << QByteArray("&HFFFF?") << 65535;
    QTest::newRow("??? suffix") << QByteArray("&HFFFF???") << 65535;
}
// clang-format on

void TestNumberText::textToInteger() {
    QFETCH(QByteArray, text);
    QFETCH(qint32, integer);
    QCOMPARE(
        TextToInteger(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))),
        integer);
}

// clang-format off
void TestNumberText::textToNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("number");
    QTest::newRow("2.5") << QByteArray("2.5") << 2.5;
    QTest::newRow("-2.5") << QByteArray("-2.5") << -2.5;
    QTest::newRow("12.7") << QByteArray("12.7") << 12.7;
    QTest::newRow("1.2.3") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("25d-1") << QByteArray("25d-1") << 2.5;
    QTest::newRow("&HFFFFFFFF&&") << QByteArray("&HFFFFFFFF&&") << 4294967295.0;
    QTest::newRow("2147483648") << QByteArray("2147483648") << 2147483648.0;
    QTest::newRow("1e30") << QByteArray("1e30") << 1e30;
    QTest::newRow("scale 4933 gives 2^127") << QByteArray("1e4933") << std::ldexp(1.0, 127);
    QTest::newRow("negative huge gives -2^127") << QByteArray("-5e9999") << -std::ldexp(1.0, 127);
    QTest::newRow("scale -4933 gives 0") << QByteArray("1e-4933") << 0.0;
    QTest::newRow("NUL ends the number") << QByteArray("12\0" "34", 5) << 12.0;
}
// clang-format on

void TestNumberText::textToNumber() {
    QFETCH(QByteArray, text);
    QFETCH(double, number);
    const long double read =
        TextToNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    QCOMPARE(static_cast<double>(read), number);
}

void TestNumberText::formatThenReadIsIdentity() {
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 20000; ++i) {
        const std::int32_t value = any(random);
        QCOMPARE(TextToInteger(FormatNumber(value, "0")), value);
    }
    for (const std::int32_t edge : {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX})
        QCOMPARE(TextToInteger(FormatNumber(edge, "0")), edge);
}

void TestNumberText::leadingBlanksNeverChangeTheResult() {
    for (const char* text : {"12", "-3.5", "&H1F", "1e3", "abc", ".5", "+7"}) {
        const std::string plain = text;
        QCOMPARE(TextToInteger(" \t\r\n" + plain), TextToInteger(plain));
    }
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
