// Colour text forms, the text-to-integer conversion, the digit test and the
// wording of the general error report.
#include "app/application.h"
#include "core/colour.h"
#include "core/mfunc.h"

#include <QtTest>

class TestCoreColour : public QObject {
    Q_OBJECT
private slots:
    void textForms_data();
    void textForms();
    void channelHexForm();
    void strToIntAccepts_data();
    void strToIntAccepts();
    void strToIntRejects_data();
    void strToIntRejects();
    void isNumeric();
    void errorReportText();
};

void TestCoreColour::textForms_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("html");
    QTest::newRow("white") << 0xFFFFFFu << "16777215"
                           << "0xffffff"
                           << "#FFFFFF";
    QTest::newRow("black") << 0u << "0"
                           << "0x000000"
                           << "#000000";
    // Red is the low byte but comes first in the hexadecimal and HTML forms.
    QTest::newRow("red") << 0x0000FFu << "255"
                         << "0xff0000"
                         << "#FF0000";
    QTest::newRow("blue") << 0xFF0000u << "16711680"
                          << "0x0000ff"
                          << "#0000FF";
    QTest::newRow("r18 g52 b86") << 0x563412u << "5649426"
                                 << "0x123456"
                                 << "#123456";
    QTest::newRow("mixed letters") << 0x0A0BACu << "658348"
                                   << "0xac0b0a"
                                   << "#AC0B0A";
    // The decimal form shows all 32 bits, unsigned; the others only the channels.
    QTest::newRow("high byte") << 0xFF123456u << "4279383126"
                               << "0x563412"
                               << "#563412";
}

void TestCoreColour::textForms()
{
    QFETCH(quint32, colour);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    QFETCH(QString, html);
    QCOMPARE(QString::fromStdString(DecimalForm(colour)), decimal);
    QCOMPARE(QString::fromStdString(HexForm(colour)), hex);
    QCOMPARE(QString::fromStdString(HtmlForm(colour)), html);
}

void TestCoreColour::channelHexForm()
{
    QCOMPARE(ChannelHexForm(0), std::string("00"));
    QCOMPARE(ChannelHexForm(10), std::string("0a"));
    QCOMPARE(ChannelHexForm(15), std::string("0f"));
    QCOMPARE(ChannelHexForm(171), std::string("ab"));
    QCOMPARE(ChannelHexForm(255), std::string("ff"));
}

void TestCoreColour::strToIntAccepts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "255" << 255;
    QTest::newRow("leading zero") << "07" << 7;
    QTest::newRow("leading blanks") << "   42" << 42;
    QTest::newRow("plus") << "+8" << 8;
    QTest::newRow("minus") << "-56" << -56;
    QTest::newRow("hex lower") << "0xff" << 255;
    QTest::newRow("hex upper") << "0XFF" << 255;
    QTest::newRow("hex mixed case") << "0xaB" << 171;
    QTest::newRow("hex one digit") << "0xf" << 15;
    QTest::newRow("hex colour line") << "0x00FFFF" << 0xFFFF;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("hex all bits") << "0xFFFFFFFF" << -1;
}

void TestCoreColour::strToIntAccepts()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(StrToInt(text.toStdString()), value);
    std::int32_t tried = 12345;
    QVERIFY(TryStrToInt(text.toStdString(), tried));
    QCOMPARE(tried, value);
}

void TestCoreColour::strToIntRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("sign only") << "-";
    QTest::newRow("prefix only") << "0x";
    QTest::newRow("letter") << "g";
    QTest::newRow("trailing blank") << "12 ";
    QTest::newRow("hex digit without prefix") << "ff";
    QTest::newRow("bad hex digit") << "0xfg";
    QTest::newRow("pasted word") << "0xzz";
    QTest::newRow("two signs") << "+-1";
    QTest::newRow("too large") << "2147483648";
    QTest::newRow("too many hex digits") << "0x100000000";
    QTest::newRow("full-width digit") << QString::fromUtf8("１");
}

void TestCoreColour::strToIntRejects()
{
    QFETCH(QString, text);
    const std::string bytes = text.toStdString();
    std::int32_t tried = 12345;
    QVERIFY(!TryStrToInt(bytes, tried));
    QCOMPARE(tried, 12345);
    try {
        StrToInt(bytes);
        QFAIL("no error raised");
    } catch (const EConvertError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("'%1' は整数ではありません").arg(text));
    }
}

void TestCoreColour::isNumeric()
{
    QVERIFY(IsNumeric("0"));
    QVERIFY(IsNumeric("0123456789"));
    QVERIFY(!IsNumeric(""));
    QVERIFY(!IsNumeric(" 1"));
    QVERIFY(!IsNumeric("1a"));
    QVERIFY(!IsNumeric("-1"));
    QVERIFY(!IsNumeric("+1"));
    QVERIFY(!IsNumeric("\b"));
    QVERIFY(!IsNumeric("\x80"));
    QVERIFY(!IsNumeric("\xff"));
    QVERIFY(!IsNumeric(std::string_view("1\0", 2)));
    QVERIFY(!IsNumeric(QString::fromUtf8("１").toStdString()));
}

void TestCoreColour::errorReportText()
{
    // "." is appended only after a character that sorts after ".".
    QCOMPARE(ErrorReportText(QStringLiteral("'' は整数ではありません")), QStringLiteral("'' は整数ではありません."));
    QCOMPARE(ErrorReportText(QStringLiteral("abc")), QStringLiteral("abc."));
    QCOMPARE(ErrorReportText(QStringLiteral("end/")), QStringLiteral("end/."));
    QCOMPARE(ErrorReportText(QStringLiteral("done.")), QStringLiteral("done."));
    QCOMPARE(ErrorReportText(QStringLiteral("what?")), QStringLiteral("what?."));
    QCOMPARE(ErrorReportText(QStringLiteral("stop!")), QStringLiteral("stop!"));
    QCOMPARE(ErrorReportText(QStringLiteral("a-")), QStringLiteral("a-"));
    QCOMPARE(ErrorReportText(QStringLiteral("a ")), QStringLiteral("a "));
    QCOMPARE(ErrorReportText(QString()), QString());
}

QTEST_GUILESS_MAIN(TestCoreColour)
#include "test_core_colour.moc"
