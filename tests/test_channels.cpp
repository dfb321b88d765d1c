// The colour readouts and the three channel rows: bars, decimal boxes and
// hexadecimal boxes, driven by the mouse, the keyboard and the clipboard.
#include "forms/unit1.h"
#include "support/testsupport.h"
#include "widgets/tedit.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QClipboard>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Every readout of the colour, in one line, so that a mismatch shows all of them.
QString Readouts(const TForm1* w)
{
    return QStringList({w->edtDec->text(), w->edtHex->text(), w->edtHtml->text(), w->edtR->text(), w->edtG->text(),
                        w->edtB->text(), w->edtRB->text(), w->edtGB->text(), w->edtBB->text(),
                        QString::number(w->scrR->value()), QString::number(w->scrG->value()),
                        QString::number(w->scrB->value())})
        .join(QLatin1Char(' '));
}

void ShowColour(TForm1* w, TColor colour)
{
    w->currentColor = colour;
    w->RefreshColor();
}

// Clicks into a box, selects all of its text with the keys and removes it in one step.
void Empty(TEdit* box)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Delete);
}

// Pastes over the whole text, as the box's context menu does (Ctrl+V does nothing in a channel box).
void Paste(TEdit* box, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    box->paste();
}

} // namespace

class TestChannels : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startupShowsWhite();
    void refreshShowsColour_data();
    void refreshShowsColour();
    void refreshOfEqualColourMovesNoBar();
    void highByteSurvivesOnlyWhenNoBarMoves();
    void lowerCaseWriteRule();
    void hexReadoutKeepsEightCharacters();

    void dragGreenBar();
    void barArrowsStepAndResetNothingElse();
    void typeDecimalClampsAt255();
    void typeDecimalWithLeadingZero();
    void decimalBoxFiltersKeys();
    void typeHexDigit_data();
    void typeHexDigit();
    void typeSecondHexDigit();
    void hexBoxFiltersKeys();
    void deleteOneHexDigit();
    void emptiedBoxesLeaveColour();
    void pasteNonDigits();
    void pasteBadHexRestoresBox();
    void pasteBadHexOverEmptiedDecimalReportsError();

private:
    TesmarWindows* windows = nullptr;
    TForm1* w = nullptr;
};

void TestChannels::init()
{
    windows = new TesmarWindows;
    w = windows->main();
    QVERIFY(ShowAndActivate(w));
}

void TestChannels::cleanup()
{
    delete windows;
    windows = nullptr;
    w = nullptr;
}

void TestChannels::startupShowsWhite()
{
    QCOMPARE(Readouts(w), QStringLiteral("16777215 0xffffff #FFFFFF 255 255 255 ff ff ff 255 255 255"));
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    QCOMPARE(w->baseColor, 0xFFFFFFu);
    QCOMPARE(w->PaintBox->Pixel(0, 0), 0xFFFFFFu);
    QCOMPARE(w->PaintBox->Pixel(88, 38), 0xFFFFFFu);
    QCOMPARE(w->scrValue->value(), 0);
    QCOMPARE(w->lblValue->text(), QStringLiteral("0"));
    QCOMPARE(w->palCount, 0);
    QCOMPARE(w->palSelNo, 1);
    QCOMPARE(w->pixGetOn, 0);
    QCOMPARE(w->frontWndOn, 0);
    QCOMPARE(w->colorBarDown, 0);
    QVERIFY(windows->errors.isEmpty());
}

void TestChannels::refreshShowsColour_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("readouts");
    QTest::newRow("black") << 0u << "0 0x000000 #000000 0 0 0 00 00 00 0 0 0";
    QTest::newRow("r18 g52 b86") << 0x563412u << "5649426 0x123456 #123456 18 52 86 12 34 56 18 52 86";
    QTest::newRow("pure blue") << 0xFF0000u << "16711680 0x0000ff #0000FF 0 0 255 00 00 ff 0 0 255";
    QTest::newRow("letters") << 0x0A0BACu << "658348 0xac0b0a #AC0B0A 172 11 10 ac 0b 0a 172 11 10";
}

void TestChannels::refreshShowsColour()
{
    QFETCH(quint32, colour);
    QFETCH(QString, readouts);
    ShowColour(w, colour);
    QCOMPARE(Readouts(w), readouts);
    QCOMPARE(w->currentColor, colour);
    QCOMPARE(w->PaintBox->Pixel(44, 20), colour);
    // Moving the bars from code leaves the brightness slider alone.
    QCOMPARE(w->scrValue->value(), 0);
    QCOMPARE(w->baseColor, 0xFFFFFFu);
}

void TestChannels::refreshOfEqualColourMovesNoBar()
{
    QSignalSpy red(w->scrR, &TScrollBar::changed);
    QSignalSpy green(w->scrG, &TScrollBar::changed);
    QSignalSpy blue(w->scrB, &TScrollBar::changed);
    w->edtDec->Write(QStringLiteral("1"));
    w->edtHtml->Write(QStringLiteral("#000000"));
    w->RefreshColor();
    QCOMPARE(red.count() + green.count() + blue.count(), 0);
    QCOMPARE(Readouts(w), QStringLiteral("16777215 0xffffff #FFFFFF 255 255 255 ff ff ff 255 255 255"));
}

void TestChannels::highByteSurvivesOnlyWhenNoBarMoves()
{
    ShowColour(w, 0xAB563412u);
    QCOMPARE(w->currentColor, 0x563412u);
    QCOMPARE(w->edtDec->text(), QStringLiteral("5649426"));

    ShowColour(w, 0xAB563412u);
    QCOMPARE(w->currentColor, 0xAB563412u);
    QCOMPARE(w->edtDec->text(), QStringLiteral("2874553362"));
    QCOMPARE(w->edtHex->text(), QStringLiteral("0x123456"));
    QCOMPARE(w->edtHtml->text(), QStringLiteral("#123456"));
}

void TestChannels::lowerCaseWriteRule()
{
    QSignalSpy changed(w->edtRB, &TEdit::changed);
    w->edtRB->Write(QStringLiteral("ff"));
    QCOMPARE(changed.count(), 0);
    w->edtRB->Write(QStringLiteral("FF"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(w->edtRB->text(), QStringLiteral("ff"));
    QCOMPARE(w->currentColor, 0xFFFFFFu);

    // A box without the lower-case mode compares the text as it is.
    QSignalSpy html(w->edtHtml, &TEdit::changed);
    w->edtHtml->Write(QStringLiteral("#FFFFFF"));
    QCOMPARE(html.count(), 0);
    w->edtHtml->Write(QStringLiteral("#ffffff"));
    QCOMPARE(html.count(), 1);
    QCOMPARE(w->edtHtml->text(), QStringLiteral("#ffffff"));
}

void TestChannels::hexReadoutKeepsEightCharacters()
{
    // The box takes at most 7 typed characters, but the program's 8 stay whole.
    QCOMPARE(w->edtHex->text(), QStringLiteral("0xffffff"));
    ShowColour(w, 0x563412u);
    QCOMPARE(w->edtHex->text(), QStringLiteral("0x123456"));
    QCOMPARE(w->edtDec->text(), QStringLiteral("5649426"));
    ShowColour(w, 0xFFFFFFu);
    ShowColour(w, 0xFFFFFFFFu);
    QCOMPARE(w->edtDec->text(), QStringLiteral("4294967295"));
}

void TestChannels::dragGreenBar()
{
    ShowColour(w, 0x0000FFu); // red 255, green 0, blue 0
    QSignalSpy scrolled(w->scrG, &TScrollBar::scrolled);
    QVERIFY(DragThumbTo(w->scrG, 128));
    QCOMPARE(w->currentColor, 33023u); // 0x0080FF
    QCOMPARE(w->edtG->text(), QStringLiteral("128"));
    QCOMPARE(w->edtGB->text(), QStringLiteral("80"));
    QCOMPARE(w->edtHex->text(), QStringLiteral("0xff8000"));
    QCOMPARE(w->edtHtml->text(), QStringLiteral("#FF8000"));
    QCOMPARE(w->edtDec->text(), QStringLiteral("33023"));
    QCOMPARE(w->PaintBox->Pixel(10, 10), 33023u);
    QCOMPARE(w->scrValue->value(), 0);
    // A step per move, and one more when the button comes up.
    QVERIFY(scrolled.count() >= 2);
    QCOMPARE(scrolled.last().at(0).toInt(), TScrollBar::kEndScroll);
}

void TestChannels::barArrowsStepAndResetNothingElse()
{
    // A click on the bar's left arrow steps red down by one.
    QTest::mouseClick(w->scrR, Qt::LeftButton, {}, QPoint(3, w->scrR->height() / 2));
    QCOMPARE(w->scrR->value(), 254);
    QCOMPARE(w->currentColor, 0xFFFFFEu);
    QCOMPARE(w->edtR->text(), QStringLiteral("254"));
    QCOMPARE(w->edtRB->text(), QStringLiteral("fe"));
    QCOMPARE(w->scrG->value(), 255);
}

void TestChannels::typeDecimalClampsAt255()
{
    Empty(w->edtR);
    QCOMPARE(w->edtR->text(), QString());
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    QTest::keyClick(w->edtR, Qt::Key_3);
    QCOMPARE(RedOf(w->currentColor), 3);
    QTest::keyClick(w->edtR, Qt::Key_0);
    QCOMPARE(RedOf(w->currentColor), 30);
    QCOMPARE(w->edtRB->text(), QStringLiteral("1e"));
    QTest::keyClick(w->edtR, Qt::Key_0);
    QCOMPARE(RedOf(w->currentColor), 255);
    QCOMPARE(w->edtR->text(), QStringLiteral("255"));
    QCOMPARE(w->edtRB->text(), QStringLiteral("ff"));
    QCOMPARE(w->scrR->value(), 255);
    // A fourth digit goes over the typed limit and is refused.
    QTest::keyClick(w->edtR, Qt::Key_End);
    QTest::keyClick(w->edtR, Qt::Key_9);
    QCOMPARE(w->edtR->text(), QStringLiteral("255"));
    // Typing leaves the brightness slider alone.
    QCOMPARE(w->scrValue->value(), 0);
}

void TestChannels::typeDecimalWithLeadingZero()
{
    Empty(w->edtG);
    QTest::keyClicks(w->edtG, QStringLiteral("07"));
    QCOMPARE(GreenOf(w->currentColor), 7);
    QCOMPARE(w->edtG->text(), QStringLiteral("7"));
    QCOMPARE(w->edtGB->text(), QStringLiteral("07"));
    QCOMPARE(w->edtHex->text(), QStringLiteral("0xff07ff"));
}

void TestChannels::decimalBoxFiltersKeys()
{
    Empty(w->edtB);
    QTest::keyClicks(w->edtB, QStringLiteral("1"));
    QCOMPARE(BlueOf(w->currentColor), 1);
    QTest::keyClicks(w->edtB, QStringLiteral("a- +.x"));
    QTest::keyClick(w->edtB, Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(w->edtB, Qt::Key_Tab);
    QCOMPARE(w->edtB->text(), QStringLiteral("1"));
    QCOMPARE(BlueOf(w->currentColor), 1);
    QTest::keyClicks(w->edtB, QStringLiteral("2"));
    QCOMPARE(w->edtB->text(), QStringLiteral("12"));
    QCOMPARE(BlueOf(w->currentColor), 12);
    // Backspace passes the filter.
    QTest::keyClick(w->edtB, Qt::Key_Backspace);
    QCOMPARE(w->edtB->text(), QStringLiteral("1"));
    QCOMPARE(BlueOf(w->currentColor), 1);
}

void TestChannels::typeHexDigit_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("f into red") << 0 << "f" << 15 << "0f";
    QTest::newRow("F into green") << 1 << "F" << 15 << "0f";
    QTest::newRow("a into blue") << 2 << "a" << 10 << "0a";
    // The one digit is rewritten as two at once, so a second typed digit
    // finds the box full.
    QTest::newRow("second digit refused") << 0 << "7C" << 7 << "07";
}

void TestChannels::typeHexDigit()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(int, value);
    QFETCH(QString, shown);
    TEdit* hex[] = {w->edtRB, w->edtGB, w->edtBB};
    TEdit* decimal[] = {w->edtR, w->edtG, w->edtB};
    TScrollBar* bar[] = {w->scrR, w->scrG, w->scrB};
    Empty(hex[row]);
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    QTest::keyClicks(hex[row], typed);
    QCOMPARE(bar[row]->value(), value);
    QCOMPARE(decimal[row]->text(), QString::number(value));
    QCOMPARE(hex[row]->text(), shown);
    QCOMPARE(w->currentColor, (0xFFFFFFu & ~(0xFFu << (8 * row))) | TColor(value) << (8 * row));
}

void TestChannels::typeSecondHexDigit()
{
    ShowColour(w, 0x000001u);
    QCOMPARE(w->edtRB->text(), QStringLiteral("01"));
    // Removing the 0 leaves "1", which is still red 1: nothing is rewritten.
    QTest::mouseClick(w->edtRB, Qt::LeftButton);
    QTest::keyClick(w->edtRB, Qt::Key_Home);
    QTest::keyClick(w->edtRB, Qt::Key_Delete);
    QCOMPARE(w->edtRB->text(), QStringLiteral("1"));
    QCOMPARE(w->currentColor, 0x000001u);
    QTest::keyClick(w->edtRB, Qt::Key_End);
    QTest::keyClick(w->edtRB, Qt::Key_F, Qt::ShiftModifier);
    QCOMPARE(w->edtRB->text(), QStringLiteral("1f"));
    QCOMPARE(w->currentColor, 31u);
    QCOMPARE(w->edtR->text(), QStringLiteral("31"));
    QCOMPARE(w->edtHex->text(), QStringLiteral("0x1f0000"));
}

void TestChannels::hexBoxFiltersKeys()
{
    Empty(w->edtGB);
    QTest::keyClicks(w->edtGB, QStringLiteral("gG-x "));
    QCOMPARE(w->edtGB->text(), QString());
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    QVERIFY(windows->errors.isEmpty());
}

void TestChannels::deleteOneHexDigit()
{
    QTest::mouseClick(w->edtRB, Qt::LeftButton);
    QTest::keyClick(w->edtRB, Qt::Key_End);
    QTest::keyClick(w->edtRB, Qt::Key_Backspace);
    QCOMPARE(RedOf(w->currentColor), 15);
    QCOMPARE(w->edtR->text(), QStringLiteral("15"));
    QCOMPARE(w->edtRB->text(), QStringLiteral("0f"));
    QCOMPARE(w->scrR->value(), 15);
    QCOMPARE(w->currentColor, 0xFFFF0Fu);
}

void TestChannels::emptiedBoxesLeaveColour()
{
    Empty(w->edtR);
    Empty(w->edtGB);
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    QCOMPARE(w->edtR->text(), QString());
    QCOMPARE(w->edtGB->text(), QString());
    QCOMPARE(w->scrR->value(), 255);

    // A change in another row runs the partial refresh: the hexadecimal box
    // comes back, the decimal box waits for its own bar.
    Empty(w->edtB);
    QTest::keyClicks(w->edtB, QStringLiteral("9"));
    QCOMPARE(w->currentColor, 0x09FFFFu);
    QCOMPARE(w->edtGB->text(), QStringLiteral("ff"));
    QCOMPARE(w->edtR->text(), QString());

    ShowColour(w, 0x000080u);
    QCOMPARE(w->edtR->text(), QStringLiteral("128"));
}

void TestChannels::pasteNonDigits()
{
    Paste(w->edtR, QStringLiteral("abc"));
    QCOMPARE(w->edtR->text(), QStringLiteral("abc"));
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    QCOMPARE(w->scrR->value(), 255);
    Paste(w->edtR, QStringLiteral("-5"));
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    Paste(w->edtR, QStringLiteral("12"));
    QCOMPARE(w->currentColor, 0xFFFF0Cu);
    QCOMPARE(w->edtRB->text(), QStringLiteral("0c"));
    // Of more than the box takes, what fits goes in.
    Paste(w->edtG, QStringLiteral("1234"));
    QCOMPARE(w->edtG->text(), QStringLiteral("123"));
    QCOMPARE(w->currentColor, 0xFF7B0Cu);
    QVERIFY(windows->errors.isEmpty());
}

void TestChannels::pasteBadHexRestoresBox()
{
    ShowColour(w, 0x563412u);
    Paste(w->edtGB, QStringLiteral("zz"));
    QCOMPARE(w->edtGB->text(), QStringLiteral("34"));
    Paste(w->edtGB, QStringLiteral("4 "));
    QCOMPARE(w->edtGB->text(), QStringLiteral("34"));
    QCOMPARE(w->currentColor, 0x563412u);
    QCOMPARE(w->edtG->text(), QStringLiteral("52"));
    // Upper-case digits are taken and shown in lower case.
    Paste(w->edtGB, QStringLiteral("AB"));
    QCOMPARE(w->edtGB->text(), QStringLiteral("ab"));
    QCOMPARE(GreenOf(w->currentColor), 0xAB);
    QVERIFY(windows->errors.isEmpty());
}

void TestChannels::pasteBadHexOverEmptiedDecimalReportsError()
{
    Empty(w->edtR);
    Paste(w->edtRB, QStringLiteral("zz"));
    QCOMPARE(windows->errors, QStringList({QStringLiteral("'' は整数ではありません.")}));
    QCOMPARE(w->edtRB->text(), QStringLiteral("zz"));
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    QCOMPARE(w->edtR->text(), QString());

    // The program goes on: the same row still works.
    QTest::mouseClick(w->edtR, Qt::LeftButton);
    QTest::keyClicks(w->edtR, QStringLiteral("16"));
    QCOMPARE(w->currentColor, 0xFFFF10u);
    QCOMPARE(w->edtRB->text(), QStringLiteral("10"));
    QCOMPARE(windows->errors.size(), 1);
}

TESMAR_TEST_MAIN(TestChannels)
#include "test_channels.moc"
